// Writes the program's icon into an icon theme's folders, drawn by the program's own code: PNGs
// at the sizes desktops ask for and a scalable SVG. Run at build time, offscreen.
// Usage: orbalide_icones FOLDER APPLICATION_ID (the files go to FOLDER/hicolor/…).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "Images.hpp"
#include "apropos.hpp"

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 3) return 2;
  const QString theme = QString(argv[1]) + "/hicolor/", id = argv[2];
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QString folder = theme + QString("%1x%1/apps/").arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    orbalide::Paint(painter, orbalide::kIcone, QSizeF(size, size));
    painter.end();
    if (!QDir().mkpath(folder) || !image.save(folder + id + ".png")) return 1;
  }
  const QString folder = theme + "scalable/apps/";
  if (!QDir().mkpath(folder)) return 1;
  constexpr int kSvgSize = 256;
  QSvgGenerator svg;
  svg.setFileName(folder + id + ".svg");
  svg.setSize({kSvgSize, kSvgSize});
  svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
  svg.setTitle("Orbalide");
  QPainter painter(&svg);
  orbalide::Paint(painter, orbalide::kIcone, QSizeF(kSvgSize, kSvgSize));
  return painter.end() ? 0 : 1;
}
