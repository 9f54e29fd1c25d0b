// Quorvia 2003: started without arguments in the folder that holds Woerter/,
// Stammformen/, Bilder/ and Einstellungen.ini.

#include "app/quorviaapp.h"

int main(int argc, char** argv) {
    quorvia::QuorviaApp anwendung(argc, argv);
    return anwendung.starten();
}
