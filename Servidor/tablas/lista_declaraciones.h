#pragma once
// The declarations of one taxpayer (the one parameter: the taxpayer's key) with the amount of
// each, in one query: looking the amount up row by row would make a long list slow.

namespace brunsel {

inline constexpr const char* kSqlListaDeclaraciones =
    "Select T02_CSDE,T02_FECHA,T02_EJERCICIO,T02_PERIODO,T02_MODELO,T02_TIPOLOGIA,T02_MODO,"
    " CASE WHEN T02_TIPOLOGIA = 1"
    " THEN (Select T03_RESUL From T03_731DECLA Where T03_CSDE = T02_CSDE)"
    " ELSE (Select T04_TOTAL From T04_732DECLA Where T04_CSDE = T02_CSDE) END AS IMPORTE"
    " From T02_COMUNDECLA Where T02_CSDE >= 1 And T02_CSCO = ?"
    " Order by T02_FECHA, T02_MODO, T02_CSDE";

}  // namespace brunsel
