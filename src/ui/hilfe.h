#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer of ours: a window over the program's HTML help file, opened at its
// contents page with the search field ready. It behaves as a help program beside ours
// would: one viewer for the program, a top-level window of no other, usable while any
// dialog is modal, until the main menu closes it.

#include <QString>
#include <QWidget>

#include <cstdint>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace quorvia {

// A help file larger than this is refused rather than read: ours is a few dozen KiB.
inline constexpr std::int64_t maxHilfegroesse = 8 * 1024 * 1024;

class Hilfefenster : public QWidget {
    Q_OBJECT
public:
    // Shows the help file at its contents page, in the open viewer or a new one. False,
    // and no viewer shown, when the file cannot be read.
    static bool zeigen(const QString& datei);
    // The open viewer, nullptr when there is none.
    static Hilfefenster* offenes();
    // Closes every viewer.
    static void alleSchliessen();

    QTextBrowser* browser() const { return browser_; }
    const QString& datei() const { return datei_; }

    // Selects the next place the search text occurs, from the top again after the last
    // one. False when the text does not occur at all.
    bool suchen(const QString& text);

protected:
    bool event(QEvent* ereignis) override;

private:
    Hilfefenster();
    bool laden(const QString& datei);
    void inhaltZeigen();
    void modalemFensterFolgen();

    QTextBrowser* browser_ = nullptr;
    QLineEdit* suchfeld_ = nullptr;
    QLabel* hinweis_ = nullptr;
    QString datei_;
    QMetaObject::Connection folge_; // to the end of the modal window the viewer belongs to
};

} // namespace quorvia
