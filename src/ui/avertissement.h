// The warning box through which every calculator refuses an input.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Modal box titled "Brivane." with the exclamation icon and one OK button;
// returns once OK is pressed.
void Avertir(QWidget* parent, const QString& message);

// The same box with the stop icon, for a refusal that must stand out.
void AvertirArret(QWidget* parent, const QString& message);

} // namespace ui
