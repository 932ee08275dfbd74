#include "compartido/cadenas.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <string>

#include "compartido/general.h"
#include "vb/error.h"

// The resources of a static library are only linked in when something asks for them.
static void IniciarRecursos() { Q_INIT_RESOURCE(recursos); }

namespace oxalde {
namespace {

// "\n" stands for a line break, "\t" for a tab and "\\" for a backslash.
QString Desescapar(const QString& texto) {
    QString r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c != u'\\' || i + 1 == texto.size()) {
            r += c;
            continue;
        }
        const QChar s = texto[++i];
        r += s == u'n' ? QChar(u'\n') : s == u't' ? QChar(u'\t') : s;
    }
    return r;
}

QHash<int, QString> Cargar() {
    IniciarRecursos();
    QHash<int, QString> tabla;
    QFile archivo(QStringLiteral(":/cadenas.tsv"));
    if (!archivo.open(QIODevice::ReadOnly)) return tabla;
    const QString todo = QString::fromUtf8(archivo.readAll());
    for (const QString& linea : todo.split(u'\n')) {
        if (linea.isEmpty() || linea.startsWith(u'#')) continue;
        const QStringList campos = linea.split(u'\t');
        bool ok = false;
        const int id = campos.value(0).toInt(&ok);
        if (!ok || campos.size() < 3) continue;
        tabla.insert(id, Desescapar(campos[1]));
        tabla.insert(id + kDesplEuskera, Desescapar(campos[2]));
    }
    return tabla;
}

}  // namespace

QString LoadResString(int id) {
    static const QHash<int, QString> tabla = Cargar();
    const auto it = tabla.constFind(id);
    if (it == tabla.constEnd())
        throw vb::Error(vb::errRecursoNoEncontrado, "Oxalde",
                        "Resource with identifier '" + std::to_string(id) + "' not found");
    return *it;
}

QString Cadena(int id) { return Cadena(id, DesplIdioma); }

QString Cadena(int id, int idioma) { return LoadResString(id + (idioma == 0 ? 0 : kDesplEuskera)); }

QString TextoIdioma(const QString& castellano, const QString& euskera) {
    return TextoIdioma(DesplIdioma, castellano, euskera);
}

QString TextoIdioma(int idioma, const QString& castellano, const QString& euskera) {
    return idioma == 0 ? castellano : euskera;
}

}  // namespace oxalde
