// No caption or text of either language is clipped by its control.
#include <gtest/gtest.h>

#include <array>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include "FormFormules.hpp"
#include "PlateformeQt.hpp"
#include "Vue.hpp"
#include "apropos.hpp"

using namespace orbalide;

namespace {

class QuietPlatform : public PlateformeQt {
 public:
  void Beep() override {}
};

// What the control shows does not fit: the reason, or nothing.
std::string Clipped(QWidget* w) {
  const QFontMetrics m(w->font());
  const int width = w->width();
  if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
    const QRect needed = m.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, label->text());
    if (needed.width() > width || needed.height() > w->height()) {
      return "needs " + std::to_string(needed.width()) + "x" + std::to_string(needed.height());
    }
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (m.horizontalAdvance(edit->text()) + 6 > width) return "text too wide";
  } else if (auto* button = qobject_cast<QAbstractButton*>(w);
             button && !button->text().isEmpty()) {
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int indicator = qobject_cast<QAbstractButton*>(w)->inherits("QRadioButton") ? 20 : 8;
    if (m.horizontalAdvance(button->text()) + icon + indicator > width) return "caption too wide";
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    if (m.horizontalAdvance(group->title()) + 16 > width) return "title too wide";
  }
  return "";
}

}  // namespace

TEST(Captions, NoneIsClippedInEitherLanguage) {
  QuietPlatform platform;
  Apropos about(platform);
  FormFormules f(platform, about);
  f.Form_Load();
  // Texts as wide as the window shows them: a computed position, course and distance.
  f.LatD[1].SetText("89");
  f.LATS[1].SetText("59.9999999");
  f.LOnD[1].SetText("179");
  f.FB[0].SetText("360");
  f.FB[2].SetText("59.9999999");
  f.Text3.SetText("19999999.9999999");
  f.Label10.Caption = "Mètres";
  f.Image1_Click();
  platform.SynchroniserTout();
  for (const std::int16_t language : std::array<std::int16_t, 2>{1, 0}) {
    for (Form* form : {static_cast<Form*>(&f), static_cast<Form*>(about.Fenetre())}) {
      for (const Control* c : form->Controls()) {
        QWidget* w = platform.View(*form)->Widget(*c);
        if (w == nullptr) continue;
        EXPECT_EQ(Clipped(w), "") << c->FullName() << " in " << (language ? "French" : "English");
      }
    }
    f.Image2_Click(language);
    platform.SynchroniserTout();
  }
}
