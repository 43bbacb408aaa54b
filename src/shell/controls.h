// Factories for the designed controls: each gets its object name (by which the layout and the
// tests find it), its caption and its look.
#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velnix::shell {

class Twips;

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent);
QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent);
QLineEdit* MakeLineEdit(const QString& name, QWidget* parent);

// A designed line has no thickness; the frame gets the few pixels a sunken line needs,
// centred on the line's y.
QFrame* MakeHorizontalLine(const QString& name, const Twips& twips, int x1, int x2, int y,
                           QWidget* parent);

void SetBold(QWidget* widget);
void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);

}  // namespace velnix::shell
