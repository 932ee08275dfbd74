#pragma once
// What the engine knows about tables and statements: the fields of a table with their declared
// sizes, the two schema changes the upgrade of older files makes (add a text field, widen one),
// and whether a statement is a single query.
#include <string>
#include <vector>

#include "dao/dao.h"

namespace dao {

struct Field {
    std::string Name;
    std::string Type;  // as declared: "VARCHAR(24)", "DOUBLE", ...
    int Size = 0;      // n of a text type declared with (n); 0 for any other type
};

// The table's fields in column order; a missing table raises 3265 (item not found).
std::vector<Field> Fields(Database& db, const std::string& tabla);
// One field by name (names compare without regard to case); a missing one raises 3265.
Field FieldDe(Database& db, const std::string& tabla, const std::string& campo);

// Appends a nullable text field of `tamano` characters whose default is the empty text.
void AnadirCampoTexto(Database& db, const std::string& tabla, const std::string& campo, int tamano);

// Gives a text field a new size, keeping every row, the column order and the table's indexes
// and triggers. The engine cannot change a column's type, so the table is rebuilt under a
// working name and renamed back, all in one transaction: on any failure nothing has changed.
// Must not be called inside an open transaction.
void AmpliarCampoTexto(Database& db, const std::string& tabla, const std::string& campo, int tamano);

enum class ClaseSentencia {
    NoCompila,     // the engine cannot prepare it (its error comes when it is run)
    ConsultaUnica, // exactly one statement, a query that writes nothing
    Otra,          // anything else: a write, a schema change, several statements, ...
};
ClaseSentencia Clasificar(Database& db, const std::string& sql);

}  // namespace dao
