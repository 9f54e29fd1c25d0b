#include "ui/plattform/vorlage.h"

#include <QFile>

#include <map>

namespace quorvia {

const Steuerelementvorlage* Dialogvorlage::element(int id) const {
    for (const auto& e : elemente) {
        if (e.id == id && id != keineId) {
            return &e;
        }
    }
    return nullptr;
}

namespace {

struct Zeile {
    QString quelle;
    int nummer = 0;
    QStringList woerter; // quoted words keep a leading '"' as a marker
};

[[noreturn]] void fehler(const Zeile& z, const QString& was) {
    throw VorlagenFehler(
        QStringLiteral("%1:%2: %3").arg(z.quelle).arg(z.nummer).arg(was).toStdString());
}

// Splits a line into words; "quoted text" may hold blanks and \" or \\.
QStringList woerterVon(const QString& zeile, const Zeile& z) {
    QStringList woerter;
    int i = 0;
    const int n = static_cast<int>(zeile.size());
    while (i < n) {
        if (zeile[i].isSpace()) {
            ++i;
            continue;
        }
        if (zeile[i] == u'#') {
            break;
        }
        QString wort;
        if (zeile[i] == u'"') {
            wort += u'"';
            ++i;
            bool zu = false;
            while (i < n) {
                const QChar c = zeile[i++];
                if (c == u'\\' && i < n) {
                    wort += zeile[i++];
                } else if (c == u'"') {
                    zu = true;
                    break;
                } else {
                    wort += c;
                }
            }
            if (!zu) {
                fehler(z, QStringLiteral("unterminated text"));
            }
        } else {
            while (i < n && !zeile[i].isSpace()) {
                wort += zeile[i++];
            }
        }
        woerter << wort;
    }
    return woerter;
}

bool istText(const QString& wort) {
    return wort.startsWith(u'"');
}

QString textVon(const Zeile& z, int index) {
    if (index >= z.woerter.size() || !istText(z.woerter[index])) {
        fehler(z, QStringLiteral("quoted text expected"));
    }
    return z.woerter[index].mid(1);
}

int zahlVon(const Zeile& z, int index) {
    if (index >= z.woerter.size()) {
        fehler(z, QStringLiteral("number expected"));
    }
    bool ok = false;
    const int wert = z.woerter[index].toInt(&ok);
    if (!ok || istText(z.woerter[index])) {
        fehler(z, QStringLiteral("number expected, got %1").arg(z.woerter[index]));
    }
    return wert;
}

int idVon(const Zeile& z, int index) {
    if (index < z.woerter.size() && z.woerter[index] == u"-") {
        return keineId;
    }
    return zahlVon(z, index);
}

std::vector<Zeile> zeilenVon(const QString& text, const QString& quelle) {
    std::vector<Zeile> zeilen;
    const QStringList roh = text.split(u'\n');
    for (int i = 0; i < roh.size(); ++i) {
        Zeile z{quelle, i + 1, {}};
        z.woerter = woerterVon(roh[i], z);
        if (!z.woerter.isEmpty()) {
            zeilen.push_back(std::move(z));
        }
    }
    return zeilen;
}

const std::map<QString, Steuerart>& arten() {
    static const std::map<QString, Steuerart> tabelle{
        {QStringLiteral("text"), Steuerart::Text},
        {QStringLiteral("knopf"), Steuerart::Knopf},
        {QStringLiteral("gruppe"), Steuerart::Gruppe},
        {QStringLiteral("radio"), Steuerart::Radio},
        {QStringLiteral("kreuz"), Steuerart::Kreuz},
        {QStringLiteral("feld"), Steuerart::Feld},
        {QStringLiteral("auswahl"), Steuerart::Auswahl},
        {QStringLiteral("liste"), Steuerart::Liste},
        {QStringLiteral("drehfeld"), Steuerart::Drehfeld},
        {QStringLiteral("symbol"), Steuerart::Symbol},
        {QStringLiteral("datum"), Steuerart::Datum},
    };
    return tabelle;
}

void merkmalSetzen(Steuerelementvorlage& e, const QString& wort, const Zeile& z) {
    if (wort == u"links") {
        e.ausrichtung = Ausrichtung::Links;
    } else if (wort == u"mitte") {
        e.ausrichtung = Ausrichtung::Mitte;
    } else if (wort == u"rechts") {
        e.ausrichtung = Ausrichtung::Rechts;
    } else if (wort == u"vmitte") {
        e.vertikalMittig = true;
    } else if (wort == u"versunken") {
        e.versunken = true;
    } else if (wort == u"standard") {
        e.standard = true;
    } else if (wort == u"gruppenstart") {
        e.gruppenstart = true;
    } else if (wort == u"nurlesen") {
        e.nurLesen = true;
    } else if (wort == u"ziffern") {
        e.nurZiffern = true;
    } else if (wort == u"unsichtbar") {
        e.unsichtbar = true;
    } else if (wort == u"gesperrt") {
        e.gesperrt = true;
    } else if (wort == u"sortiert") {
        e.sortiert = true;
    } else if (wort == u"vollzeile") {
        e.vollzeile = true;
    } else if (wort.startsWith(QStringLiteral("partner="))) {
        bool ok = false;
        e.partner = wort.mid(8).toInt(&ok);
        if (!ok) {
            fehler(z, QStringLiteral("bad partner id %1").arg(wort));
        }
    } else {
        fehler(z, QStringLiteral("unknown property %1").arg(wort));
    }
}

QString dateiText(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        throw VorlagenFehler(QStringLiteral("template %1 not found").arg(pfad).toStdString());
    }
    return QString::fromUtf8(datei.readAll());
}

} // namespace

Dialogvorlage dialogvorlageLesen(const QString& text, const QString& quelle) {
    Dialogvorlage v;
    v.name = quelle;
    bool kopf = false;
    for (const Zeile& z : zeilenVon(text, quelle)) {
        const QString& wort = z.woerter[0];
        if (wort == u"dialog") {
            v.einheiten = QSize(zahlVon(z, 1), zahlVon(z, 2));
            v.titel = textVon(z, 3);
            kopf = true;
        } else if (wort == u"stil") {
            for (int i = 1; i < z.woerter.size(); ++i) {
                if (z.woerter[i] == u"minimieren") {
                    v.minimierbar = true;
                } else if (z.woerter[i] == u"zentriert") {
                    v.zentriert = true;
                } else if (z.woerter[i] == u"frei") {
                    v.zentriert = false;
                } else {
                    fehler(z, QStringLiteral("unknown style %1").arg(z.woerter[i]));
                }
            }
        } else if (wort == u"schrift") {
            v.schriftname = textVon(z, 1);
            v.schriftpunkte = zahlVon(z, 2);
        } else if (wort == u"menue") {
            if (z.woerter.size() < 2) {
                fehler(z, QStringLiteral("menu name expected"));
            }
            v.menue = z.woerter[1];
        } else if (wort == u"eintraege") {
            const int id = zahlVon(z, 1);
            auto it = std::find_if(v.elemente.begin(), v.elemente.end(),
                                   [id](const auto& e) { return e.id == id; });
            if (it == v.elemente.end() || it->art != Steuerart::Auswahl) {
                fehler(z, QStringLiteral("no drop-down list %1 above").arg(id));
            }
            for (int i = 2; i < z.woerter.size(); ++i) {
                it->eintraege << textVon(z, i);
            }
        } else if (auto art = arten().find(wort); art != arten().end()) {
            Steuerelementvorlage e;
            e.art = art->second;
            e.id = idVon(z, 1);
            e.einheiten = QRect(zahlVon(z, 2), zahlVon(z, 3), zahlVon(z, 4), zahlVon(z, 5));
            int i = 6;
            if (i < z.woerter.size() && istText(z.woerter[i])) {
                e.text = textVon(z, i++);
            }
            for (; i < z.woerter.size(); ++i) {
                merkmalSetzen(e, z.woerter[i], z);
            }
            if (e.id != keineId && v.element(e.id) != nullptr) {
                fehler(z, QStringLiteral("id %1 used twice").arg(e.id));
            }
            if (e.art == Steuerart::Drehfeld && e.partner == keineId) {
                fehler(z, QStringLiteral("spin control without partner="));
            }
            v.elemente.push_back(std::move(e));
        } else {
            fehler(z, QStringLiteral("unknown line %1").arg(wort));
        }
    }
    if (!kopf) {
        throw VorlagenFehler(QStringLiteral("%1: no dialog line").arg(quelle).toStdString());
    }
    for (const auto& e : v.elemente) {
        if (e.art == Steuerart::Drehfeld) {
            const auto* partner = v.element(e.partner);
            if (partner == nullptr || partner->art != Steuerart::Feld) {
                throw VorlagenFehler(QStringLiteral("%1: spin %2 has no edit field %3")
                                         .arg(quelle)
                                         .arg(e.id)
                                         .arg(e.partner)
                                         .toStdString());
            }
        }
    }
    return v;
}

Menuevorlage menuevorlageLesen(const QString& text, const QString& quelle) {
    Menuevorlage m;
    m.name = quelle;
    for (const Zeile& z : zeilenVon(text, quelle)) {
        const QString& wort = z.woerter[0];
        if (wort == u"popup") {
            m.popups.push_back({textVon(z, 1), {}});
            continue;
        }
        if (m.popups.empty()) {
            fehler(z, QStringLiteral("menu item before the first popup"));
        }
        if (wort == u"punkt") {
            const int befehl = zahlVon(z, 1);
            if (befehl <= 0) {
                fehler(z, QStringLiteral("command id must be positive"));
            }
            m.popups.back().punkte.push_back({befehl, textVon(z, 2)});
        } else if (wort == u"trenner") {
            m.popups.back().punkte.push_back({});
        } else {
            fehler(z, QStringLiteral("unknown line %1").arg(wort));
        }
    }
    return m;
}

Dialogvorlage dialogvorlageLaden(const QString& name) {
    const QString pfad = QStringLiteral(":/vorlagen/%1.dlg").arg(name);
    Dialogvorlage v = dialogvorlageLesen(dateiText(pfad), pfad);
    v.name = name;
    return v;
}

Menuevorlage menuevorlageLaden(const QString& name) {
    const QString pfad = QStringLiteral(":/vorlagen/%1.menu").arg(name);
    Menuevorlage m = menuevorlageLesen(dateiText(pfad), pfad);
    m.name = name;
    return m;
}

} // namespace quorvia
