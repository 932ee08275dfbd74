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

}  // namespace
