// The text a control shows, as words, for the tooltips, the accessible names
// and the calculation sheet; and the small "²" that stands in a caption after
// a chemical symbol's letters.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace tabs {

// A field's or a result's text, a list's item, a button's caption, a caption
// on one line with its small "2"s (see indice) in place.
QString texteAffiche(const QWidget* controle);

// A small "²" standing in a caption's text right after its first
// `caracteres` characters, on the caption's line and in its font; placerIndice
// moves it there again once the caption's text has changed.
QLabel* indice(QWidget* page, const QString& nom, const QLabel* legende, int caracteres);
void placerIndice(QLabel* indice, const QLabel* legende, int caracteres);

} // namespace tabs
