#pragma once

// What the ten option windows (list views and query windows) share with the main menu
// that opens them: the link back to the menu window and the steps of closing.

#include "query/abfragearten.h"

#include <QPointer>

#include <string>
#include <string_view>

namespace quorvia {

class Dialog;

// The option window's link to the menu window it was opened from (not owned).
class Menueverbindung {
public:
    void setzen(Dialog* menue) { menue_ = menue; }
    Dialog* fenster() const { return menue_.data(); }

    // At the end of opening: the menu disappears while the option window is open.
    void verbergen() const;
    // The close request of the option window: the menu becomes the application's main
    // window again and, unless the pupil asked to go back to it, is asked to close too,
    // which ends the program. Showing the menu again is the menu's own business.
    void schliessen(bool zurueckZumMenue) const;

private:
    QPointer<Dialog> menue_;
};

// The caption of an option window: its title with the lesson range it covers, or with
// the suffix of the not-known list.
std::string optionstitel(std::string_view titel, Abfragequelle quelle,
                         std::string_view titelNichtGewusst, std::string_view von,
                         std::string_view bis);

} // namespace quorvia
