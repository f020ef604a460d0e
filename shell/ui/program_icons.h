#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

namespace nubo {

// The program icon (our SVG artwork) and the progress icons derived from it: the base
// progress icon, then ten icons with a blue bar growing in ten steps, as the tray shows
// a transfer's progress.
class ProgramIcons {
  public:
    ProgramIcons();

    const QIcon& program() const { return program_; }
    // ProgressDisplay's icon numbers: -1 the program icon, 0 the base, 1 to 10.
    const QIcon& forIndex(int index) const;
    // The pixmap an icon number stands for (32 x 32), for tests and screenshots.
    QPixmap pixmap(int index) const;
    // The program icon drawn at a size (the About/Help page's 48 x 48 form).
    QPixmap programPixmap(int size) const;

  private:
    QIcon program_;
    QIcon base_;
    std::array<QIcon, 10> progress_;
    std::array<QPixmap, 11> pixmaps_;
};

}  // namespace nubo
