// The About window: the program's icon, what it is for, its version and an
// OK button. Not modal; it closes (and goes) with OK, Enter, Escape or its
// close box.
#pragma once

#include <QWidget>

namespace app {

class FrmAPropos : public QWidget {
public:
    FrmAPropos();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void CmdOK_Click();
};

} // namespace app
