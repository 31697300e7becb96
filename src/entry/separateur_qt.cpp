#include "entry/separateur_qt.h"

#include <QLocale>

namespace entry {

std::optional<char16_t> separateurSelonQt(const std::string& nom) {
    // Qt reads a name it does not know as the C locale.
    const QLocale locale(QString::fromStdString(nom));
    const QString separateur = locale.decimalPoint();
    if (locale.language() == QLocale::C || separateur.size() != 1)
        return std::nullopt;
    return separateur.front().unicode();
}

} // namespace entry
