#pragma once
// Reading back the PDF files the printer writes, with poppler's tools: words and their boxes in
// millimetres from the printable area (the PDF page has a 5 mm margin), pages, fonts, pictures.
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace prueba {

struct Palabra {
    QString texto;
    double x1, y1, x2, y2;
};

inline QString Poppler(const QString& programa, const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(programa, argumentos);
    proceso.waitForFinished(20000);
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

inline std::vector<Palabra> Palabras(const QString& pdf) {
    constexpr double kMargen = 5, kMmPunto = 25.4 / 72;
    const QString html = Poppler("pdftotext", {"-bbox-layout", pdf, "-"});
    static const QRegularExpression palabra(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Palabra> r;
    for (auto it = palabra.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString texto = m.captured(5);
        texto.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
        auto enMm = [&m](int i) { return m.captured(i).toDouble() * kMmPunto - kMargen; };
        r.push_back({texto, enMm(1), enMm(2), enMm(3), enMm(4)});
    }
    return r;
}

inline int Paginas(const QString& pdf) {
    static const QRegularExpression paginas(R"(Pages:\s+(\d+))");
    return paginas.match(Poppler("pdfinfo", {pdf})).captured(1).toInt();
}

// The font names embedded (subset prefix removed).
inline QStringList FuentesPdf(const QString& pdf) {
    QStringList r;
    const QStringList lineas = Poppler("pdffonts", {pdf}).split('\n');
    for (int i = 2; i < lineas.size(); ++i) {
        QString nombre = lineas[i].section(' ', 0, 0);
        if (nombre.isEmpty()) continue;
        r << nombre.mid(nombre.indexOf('+') + 1);
    }
    return r;
}

// The pixel size of every picture placed, in order.
inline std::vector<QSize> ImagenesPdf(const QString& pdf) {
    std::vector<QSize> r;
    const QStringList lineas = Poppler("pdfimages", {"-list", pdf}).split('\n');
    for (int i = 2; i < lineas.size(); ++i) {
        const QStringList c = lineas[i].simplified().split(' ');
        if (c.size() > 4 && c[2] == "image") r.push_back({c[3].toInt(), c[4].toInt()});
    }
    return r;
}

}  // namespace prueba
