#include "Images.hpp"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <map>
#include <tuple>

#include "FormFormules.hpp"
#include "apropos.hpp"

namespace orbalide {
namespace {

constexpr QColor kBleuFrance{0, 85, 164}, kRougeFrance{239, 65, 53};
constexpr QColor kBleuUnion{1, 33, 105}, kRougeUnion{200, 16, 46};
constexpr QColor kOcean{28, 98, 170}, kTerre{84, 160, 76}, kNuit{0, 0, 64};

void FrenchFlag(QPainter& p, QSizeF s) {
  const double w = s.width() / 3;
  p.fillRect(QRectF(0, 0, w, s.height()), kBleuFrance);
  p.fillRect(QRectF(w, 0, w, s.height()), Qt::white);
  p.fillRect(QRectF(2 * w, 0, w, s.height()), kRougeFrance);
}

void BritishFlag(QPainter& p, QSizeF s) {
  const double w = s.width(), h = s.height();
  p.fillRect(QRectF(0, 0, w, h), kBleuUnion);
  p.setPen(QPen(Qt::white, h / 5));
  p.drawLine(QPointF(0, 0), QPointF(w, h));
  p.drawLine(QPointF(w, 0), QPointF(0, h));
  p.setPen(QPen(kRougeUnion, h / 15));
  p.drawLine(QPointF(0, 0), QPointF(w, h));
  p.drawLine(QPointF(w, 0), QPointF(0, h));
  p.fillRect(QRectF(w * 0.42, 0, w * 0.16, h), Qt::white);
  p.fillRect(QRectF(0, h * 0.34, w, h * 0.32), Qt::white);
  p.fillRect(QRectF(w * 0.455, 0, w * 0.09, h), kRougeUnion);
  p.fillRect(QRectF(0, h * 0.4, w, h * 0.2), kRougeUnion);
}

// A globe with meridians and the parallel of the equator.
void Globe(QPainter& p, QRectF r) {
  p.setPen(QPen(Qt::black, r.width() / 40));
  p.setBrush(kOcean);
  p.drawEllipse(r);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 160), r.width() / 50));
  for (double k : {0.25, 0.6}) {
    p.drawEllipse(QRectF(r.center().x() - r.width() * k / 2, r.top(), r.width() * k, r.height()));
  }
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}

// The course of a geodesic between two points on the globe.
void Geodesic(QPainter& p, QRectF r) {
  QPainterPath path(QPointF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.7));
  path.quadTo(QPointF(r.center().x(), r.top() + r.height() * 0.05),
              QPointF(r.right() - r.width() * 0.18, r.top() + r.height() * 0.45));
  p.setPen(QPen(QColor(255, 215, 0), r.width() / 14, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(path);
  p.setBrush(QColor(255, 215, 0));
  p.setPen(Qt::NoPen);
  const double d = r.width() / 6;
  for (QPointF end : {path.pointAtPercent(0), path.pointAtPercent(1)}) {
    p.drawEllipse(end, d / 2, d / 2);
  }
}

void Icon(QPainter& p, QSizeF s) {
  const QRectF r(s.width() * 0.06, s.height() * 0.06, s.width() * 0.88, s.height() * 0.88);
  Globe(p, r);
  Geodesic(p, r);
}

// A globe and a placemark pin over it.
void Export(QPainter& p, QSizeF s) {
  Globe(p, QRectF(s.width() * 0.05, s.height() * 0.25, s.width() * 0.7, s.height() * 0.7));
  const double x = s.width() * 0.68, y = s.height() * 0.1, r = s.width() * 0.2;
  QPainterPath pin(QPointF(x, y + 3.2 * r));
  pin.arcTo(QRectF(x - r, y, 2 * r, 2 * r), 210, -240);
  pin.closeSubpath();
  p.setPen(QPen(Qt::black, s.width() / 32));
  p.setBrush(kRougeFrance);
  p.drawPath(pin);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(x, y + r), r / 2.5, r / 2.5);
}

// The ellipsoid of the Earth seen from space: a flattened globe on the night sky, with its
// axes and a geodesic.
void AboutPicture(QPainter& p, QSizeF s) {
  p.fillRect(QRectF(QPointF(0, 0), s), kNuit);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  for (int i = 0; i < 40; ++i) {
    p.drawEllipse(QPointF((i * 53 % 197) * s.width() / 200, (i * 71 % 193) * s.height() / 195), 0.8,
                  0.8);
  }
  const QRectF r(s.width() * 0.1, s.height() * 0.16, s.width() * 0.8, s.height() * 0.68);
  Globe(p, r);
  p.setBrush(kTerre);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(r.left() + r.width() * 0.52, r.top() + r.height() * 0.2, r.width() * 0.22,
                       r.height() * 0.3));
  p.drawEllipse(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.5, r.width() * 0.18,
                       r.height() * 0.32));
  p.setPen(QPen(Qt::white, 1.5, Qt::DashLine));
  p.drawLine(QPointF(r.center().x(), r.top() - 10), QPointF(r.center().x(), r.bottom() + 10));
  Geodesic(p, r);
}

// Each window's pictures, at the size they are designed for.
struct Dessin {
  Picture nom;
  void (*peindre)(QPainter&, QSizeF);
  QSize taille;
};

constexpr Dessin kDessins[] = {
    {kIcone, Icon, {32, 32}},
    {kImageApropos, AboutPicture, {200, 195}},
    {kDrapeauFrancais, FrenchFlag, {24, 12}},
    {kDrapeauBritannique, BritishFlag, {24, 12}},
    {kExport, Export, {24, 24}},
};

const Dessin* Trouver(Picture picture) {
  for (const Dessin& d : kDessins) {
    if (d.nom == picture) return &d;
  }
  return nullptr;
}

}  // namespace

QSize DesignSize(Picture picture) {
  const Dessin* d = Trouver(picture);
  return d != nullptr ? d->taille : QSize(32, 32);
}

void Paint(QPainter& p, Picture picture, QSizeF s) {
  p.setRenderHint(QPainter::Antialiasing);
  if (const Dessin* d = Trouver(picture)) d->peindre(p, s);
}

QPixmap Draw(Picture picture, QSize size) {
  if (size.isEmpty()) size = DesignSize(picture);
  const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1;
  static std::map<std::tuple<Picture, int, int, qreal>, QPixmap> drawn;
  QPixmap& pixmap = drawn[{picture, size.width(), size.height(), ratio}];
  if (pixmap.isNull()) {
    pixmap = QPixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    Paint(p, picture, size);
  }
  return pixmap;
}

}  // namespace orbalide
