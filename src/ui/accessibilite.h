// What a screen reader hears of the boxes whose text is a calculation's
// figure: the caption, the figure and the unit in one name, announced again
// each time the figure changes; and of a warning line, an alert announced
// when it appears.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ui {

// Lets Qt's accessibility give the marked labels the interfaces below; once,
// before any window is shown.
void installerAccessibilite();

// A result box: its accessible name is "caption figure unit", its figure as
// it shows. The caption and unit are told again when they change.
void decrireResultat(QLabel* resultat, const QString& titre, const QString& unite);

// A line shown when a calculation fails: an alert, read as it appears.
void marquerAlerte(QLabel* ligne);

// The accessible name and description, set only when they change (each
// change is an event a screen reader receives).
void nommer(QWidget* controle, const QString& nom, const QString& description = {});

} // namespace ui
