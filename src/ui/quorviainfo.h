#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the program icon and "Quorvia 2003 Version " with the build's version.

#include "ui/plattform/dialog.h"

#include <string>

namespace quorvia {

// The id of the version line.
inline constexpr int versionszeileId = 1017;

// "Quorvia 2003 Version 1.5": the version comes from the build, kept in one place.
std::string versionstext();

class QuorviaInfo : public Dialog {
    Q_OBJECT
public:
    explicit QuorviaInfo(QWidget* eltern = nullptr);

protected:
    void oeffnen() override;
};

} // namespace quorvia
