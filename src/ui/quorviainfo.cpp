#include "ui/quorviainfo.h"

#include "quorvia_version.h"
#include "ui/plattform/anwendung.h"

namespace quorvia {

std::string versionstext() {
    return std::string("Quorvia 2003 Version ") + version;
}

QuorviaInfo::QuorviaInfo(QWidget* eltern) : Dialog(QStringLiteral("QuorviaInfo"), eltern) {
    setWindowIcon(programmsymbol());
}

void QuorviaInfo::oeffnen() {
    // "&OK" (the cancel command), Escape and the close box all end the box through the
    // dialog's own handling of the cancel command.
    setzeText(versionszeileId, versionstext());
}

} // namespace quorvia
