// The tab set of the main window: nine pages whose headers stand in two
// rows, five then four, every caption whole.
#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace app {

// Headers drawn in rows of five of equal width; the tab bar keeps the
// texts and the current index, so QTabWidget works with it unchanged.
class EnTetesDeuxRangs : public QTabBar {
public:
    static constexpr int ongletsParRang = 5;

    explicit EnTetesDeuxRangs(QWidget* parent = nullptr);

    // The header of tab `index`, in the bar's coordinates.
    QRect rectEnTete(int index) const;
    int enTeteSous(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    int hauteurRang() const;
    int rangs() const;
};

class Onglet : public QTabWidget {
public:
    explicit Onglet(QWidget* parent = nullptr);
    EnTetesDeuxRangs* enTetes() const;
};

} // namespace app
