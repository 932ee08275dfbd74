#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include "cliente/ficheros_prueba.h"
#include "cliente/prueba.h"
#include "compartido/CEntrada.h"
#include "intercambio/dialogo_fichero.h"

namespace {

using DialogoFichero = prueba::Principal;

// The toolkit's file dialog, as the import opens it, in either language of the program: its own
// texts in Spanish (the toolkit has no Basque), the title and the filter as the program gives
// them, and every column of the listing whole.
TEST_F(DialogoFichero, EnCastellanoYConSusColumnasEnteras) {
    ASSERT_TRUE(prueba::Escribir(carpeta.filePath("Contri.txt"), QByteArray(12345, 'x')) &&
                prueba::Escribir(carpeta.filePath("un fichero de nombre largo.dat"), "y"));
    for (const char* letra : {"C", "E"}) {
        SCOPED_TRACE(letra);
        oxalde::CEntrada::Instancia().IDI(letra);
        QStringList textos;
        QString titulo;
        alModal = [&](QDialog& d) {
            auto& dialogo = dynamic_cast<QFileDialog&>(d);
            dialogo.show();
            auto* lista = dialogo.findChild<QTreeView*>();
            EXPECT_TRUE(lista && QTest::qWaitFor([&] { return lista->model()->rowCount(lista->rootIndex()) == 2; }));
            titulo = dialogo.windowTitle() + "|" + dialogo.nameFilters().join(';');
            for (const QLabel* l : dialogo.findChildren<QLabel*>())
                if (l->isVisible()) textos << l->text();
            for (const QPushButton* b : dialogo.findChildren<QPushButton*>())
                if (b->isVisible()) textos << b->text();
            const QHeaderView* cabecera = lista->header();
            for (int c = 0; c < cabecera->count(); ++c)
                EXPECT_GE(cabecera->sectionSize(c), static_cast<const QAbstractItemView*>(lista)->sizeHintForColumn(c))
                    << "column " << c;
            EXPECT_LE(cabecera->length(), lista->viewport()->width());
            dialogo.reject();
            return dialogo.result();
        };
        EXPECT_EQ(oxalde::ElegirFichero(nullptr, {"Archivo a importar...", carpeta.path() + "/", "Contri.txt", false}),
                  "");
        EXPECT_EQ(titulo, "Archivo a importar...|*.txt (*)");
        for (const char* texto : {"Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Abrir", "Cancelar"})
            EXPECT_TRUE(textos.contains(texto)) << texto << " in " << textos.join(" | ").toStdString();
    }
}

// Every file and folder under the folder, a file with a digest of its bytes, one a line.
std::string Contenido(const QString& carpeta) {
    QStringList lineas;
    for (QDirIterator i(carpeta, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         i.hasNext();) {
        const QString ruta = i.next();
        lineas << ruta + ' ' + QCryptographicHash::hash(prueba::Leer(ruta), QCryptographicHash::Md5).toHex();
    }
    lineas.sort();
    return lineas.join('\n').toStdString();
}

// A file chosen as a user chooses it (a click on it in the listing, then Open) adds and changes
// nothing in the user's home (the test run's own): what the toolkit keeps of the dialog stays in
// the program's folder.
TEST_F(DialogoFichero, EligeSinEscribirEnElHogar) {
    const QString elegido = carpeta.filePath("otro.txt");
    ASSERT_TRUE(prueba::Escribir(carpeta.filePath("Contri.txt"), "x") && prueba::Escribir(elegido, "y"));
    const QString hogar = qEnvironmentVariable("HOME");
    const std::string antes = Contenido(hogar);
    alModal = [&](QDialog& d) {
        auto& dialogo = dynamic_cast<QFileDialog&>(d);
        dialogo.show();
        auto* lista = dialogo.findChild<QTreeView*>();
        const QModelIndex raiz = lista->rootIndex();
        EXPECT_TRUE(QTest::qWaitFor([&] { return lista->model()->rowCount(raiz) == 2; }));
        for (int f = 0; f < lista->model()->rowCount(raiz); ++f)
            if (const QModelIndex i = lista->model()->index(f, 0, raiz); i.data().toString() == "otro.txt")
                QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(i).center());
        QPushButton* abrir = dialogo.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
        QTest::mouseClick(abrir, Qt::LeftButton);
        return dialogo.result();
    };
    EXPECT_EQ(oxalde::ElegirFichero(nullptr, {"Archivo a importar...", carpeta.path() + "/", "Contri.txt", false}),
              elegido);
    EXPECT_EQ(Contenido(hogar), antes);
    EXPECT_TRUE(QFile::exists(carpeta.filePath(".qt/QtProject.conf")));
}

}  // namespace
