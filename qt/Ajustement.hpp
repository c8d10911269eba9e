// The design's fonts, made smaller where the free fonts that stand in for them would clip a text.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QWidget;

namespace orbalide {

// What a text is fitted into: a widget's size, the room that its frame, margins, picture and
// indicator take beside the text, and whether it wraps its words over several lines (a label).
struct Cadre {
  QSize Taille;
  int Marge = 0;
  bool Lignes = false;
};

// The frame of a widget of the views: a label, a text box, a button or an option button with
// its picture or indicator, a group box with its title.
Cadre CadreDe(const QWidget& widget);

// The largest font up to the given one, in quarter points and not below 5 points, at which the
// text fits the frame.
QFont Ajuster(QFont font, const Cadre& cadre, const QString& text);

}  // namespace orbalide
