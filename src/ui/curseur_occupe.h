// The busy mouse pointer while a long calculation holds the window's thread.
#pragma once

namespace ui {

// Shows the busy pointer over the whole program for as long as it lives, so
// that the normal pointer comes back however the calculation ends.
class CurseurOccupe {
public:
    CurseurOccupe();
    ~CurseurOccupe();
    CurseurOccupe(const CurseurOccupe&) = delete;
    CurseurOccupe& operator=(const CurseurOccupe&) = delete;
};

} // namespace ui
