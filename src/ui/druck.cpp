#include "ui/druck.h"

#include <QFontDatabase>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextOption>

#include <algorithm>
#include <numeric>

namespace quorvia {

namespace {

// The rows of one page: part, first row, one past the last row.
struct Seite {
    std::size_t teil;
    std::size_t von;
    std::size_t bis;
};

QFont schrift(double punkte, bool fett) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

// Sizes in device pixels, all from the device's resolution, so preview, printer and PDF
// lay out alike.
class Satz {
public:
    Satz(QPainter& maler, const QPagedPaintDevice& geraet)
        : maler_(maler), punkt_(geraet.logicalDpiY() / 72.0),
          seite_(0, 0, geraet.width(), geraet.height()) {
        wrap_.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        const double gesamt = std::accumulate(spaltenbreiten.begin(), spaltenbreiten.end(), 0.0);
        double x = 0;
        for (std::size_t i = 0; i < spaltenbreiten.size(); ++i) {
            const double breite = seite_.width() * spaltenbreiten[i] / gesamt;
            spalten_[i] = QRectF(x, 0, breite, 0);
            x += breite;
        }
    }

    const QFont kopf = schrift(14, true);
    const QFont vorspann = schrift(11, false);
    const QFont spaltenkopf = schrift(10, true);
    const QFont zeile = schrift(10, false);
    const QFont fuss = schrift(8, false);

    double punkte(double p) const { return p * punkt_; }
    double zeilenhoehe(const QFont& f) const {
        return QFontMetricsF(f, maler_.device()).lineSpacing();
    }

    double kopfHoehe(const Druckteil& teil, bool erste) const {
        double h = zeilenhoehe(kopf) + punkte(6) + zeilenhoehe(spaltenkopf) + punkte(6);
        if (erste && !teil.vorspann.isEmpty()) {
            // Room to write a name and a date on the lines.
            h += teil.vorspann.size() * zeilenhoehe(vorspann) * 1.8 + punkte(4);
        }
        return h;
    }
    double fussHoehe() const { return zeilenhoehe(fuss) + punkte(8); }

    double zeileHoehe(const Druckteil& teil, const Druckzeile& z) {
        maler_.setFont(zeile);
        double h = zeilenhoehe(zeile);
        for (std::size_t i = 0; i < z.size(); ++i) {
            h = std::max(h, maler_.boundingRect(zelle(i, 0, 1e9), z[i], wrap_).height());
        }
        if (teil.schreibraum) {
            h = std::max(h, zeilenhoehe(zeile) * 2.2);
        }
        return h + punkte(6);
    }

    QRectF zelle(std::size_t spalte, double y, double hoehe) const {
        const QRectF s = spalten_[spalte];
        return {s.x() + punkte(3), y, s.width() - punkte(6), hoehe};
    }

    const QRectF& seite() const { return seite_; }
    const QTextOption& umbruch() const { return wrap_; }

private:
    QPainter& maler_;
    double punkt_;
    QRectF seite_;
    std::array<QRectF, 3> spalten_;
    QTextOption wrap_;
};

// Every part from a new page; a row goes on the next page when it does not fit, unless it
// is alone on its page (then it is cut at the foot).
std::vector<Seite> seitenAufteilen(Satz& satz, const Druckdokument& dokument,
                                   std::vector<std::vector<double>>& hoehen) {
    std::vector<Seite> seiten;
    const double unten = satz.seite().height() - satz.fussHoehe();
    for (std::size_t t = 0; t < dokument.teile.size(); ++t) {
        const Druckteil& teil = dokument.teile[t];
        auto& h = hoehen.emplace_back();
        Seite seite{t, 0, 0};
        double y = satz.kopfHoehe(teil, true);
        for (std::size_t r = 0; r < teil.zeilen.size(); ++r) {
            h.push_back(satz.zeileHoehe(teil, teil.zeilen[r]));
            if (y + h.back() > unten && r > seite.von) {
                seite.bis = r;
                seiten.push_back(seite);
                seite = Seite{t, r, r};
                y = satz.kopfHoehe(teil, false);
            }
            y += h.back();
        }
        seite.bis = teil.zeilen.size();
        seiten.push_back(seite);
    }
    return seiten;
}

void seiteMalen(QPainter& maler, const Satz& satz, const Druckteil& teil, const Seite& seite,
                const std::vector<double>& hoehen, const QString& datum,
                const QString& seitenzahl) {
    const QRectF& flaeche = satz.seite();
    const QPen linie(QColor(150, 150, 150), satz.punkte(0.5));
    double y = 0;
    maler.setFont(satz.kopf);
    maler.drawText(QRectF(0, y, flaeche.width(), satz.zeilenhoehe(satz.kopf)),
                   Qt::AlignLeft | Qt::AlignVCenter, teil.ueberschrift);
    y += satz.zeilenhoehe(satz.kopf) + satz.punkte(6);
    if (seite.von == 0 && !teil.vorspann.isEmpty()) {
        maler.setFont(satz.vorspann);
        const double h = satz.zeilenhoehe(satz.vorspann) * 1.8;
        for (const QString& text : teil.vorspann) {
            maler.drawText(QRectF(0, y, flaeche.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                           text);
            y += h;
        }
        y += satz.punkte(4);
    }
    maler.setFont(satz.spaltenkopf);
    const double kopfzeile = satz.zeilenhoehe(satz.spaltenkopf);
    for (std::size_t i = 0; i < teil.spalten.size(); ++i) {
        maler.drawText(satz.zelle(i, y, kopfzeile), Qt::AlignLeft | Qt::AlignVCenter,
                       teil.spalten[i]);
    }
    y += kopfzeile + satz.punkte(3);
    maler.setPen(QPen(Qt::black, satz.punkte(0.8)));
    maler.drawLine(QPointF(0, y), QPointF(flaeche.width(), y));
    y += satz.punkte(3);

    maler.setFont(satz.zeile);
    const double unten = flaeche.height() - satz.fussHoehe();
    for (std::size_t r = seite.von; r < seite.bis; ++r) {
        const double h = std::min(hoehen[r], unten - y);
        maler.setPen(Qt::black);
        for (std::size_t i = 0; i < teil.zeilen[r].size(); ++i) {
            const QRectF ort = satz.zelle(i, y + satz.punkte(3), h - satz.punkte(6));
            maler.save();
            maler.setClipRect(ort);
            maler.drawText(ort, teil.zeilen[r][i], satz.umbruch());
            maler.restore();
        }
        y += h;
        maler.setPen(linie);
        maler.drawLine(QPointF(0, y), QPointF(flaeche.width(), y));
    }

    maler.setPen(Qt::black);
    maler.setFont(satz.fuss);
    const QRectF fuss(0, flaeche.height() - satz.zeilenhoehe(satz.fuss), flaeche.width(),
                      satz.zeilenhoehe(satz.fuss));
    maler.drawText(fuss, Qt::AlignLeft | Qt::AlignVCenter, datum);
    maler.drawText(fuss, Qt::AlignRight | Qt::AlignVCenter, seitenzahl);
}

} // namespace

int dokumentMalen(QPagedPaintDevice& geraet, const Druckdokument& dokument) {
    QPainter maler;
    if (!maler.begin(&geraet)) {
        return 0;
    }
    Satz satz(maler, geraet);
    std::vector<std::vector<double>> hoehen;
    const std::vector<Seite> seiten = seitenAufteilen(satz, dokument, hoehen);
    const QString datum = dokument.datum.toString(QStringLiteral("dd.MM.yyyy"));
    const auto anzahl = static_cast<int>(seiten.size());
    for (int k = 0; k < anzahl; ++k) {
        if (k > 0) {
            geraet.newPage();
        }
        const Seite& seite = seiten[static_cast<std::size_t>(k)];
        seiteMalen(maler, satz, dokument.teile[seite.teil], seite, hoehen[seite.teil], datum,
                   QStringLiteral("Seite %1 von %2").arg(k + 1).arg(anzahl));
    }
    return maler.end() ? anzahl : 0;
}

bool alsPdfSpeichern(const QString& pfad, const Druckdokument& dokument) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        return false;
    }
    {
        QPdfWriter pdf(&datei);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setCreator(QStringLiteral("Quorvia 2003"));
        if (!dokument.teile.empty()) {
            pdf.setTitle(dokument.teile.front().ueberschrift);
        }
        if (dokumentMalen(pdf, dokument) == 0) {
            datei.cancelWriting();
            return false;
        }
    }
    return datei.commit();
}

} // namespace quorvia
