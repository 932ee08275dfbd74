#include "servidor/utiles_prueba.h"

using namespace prueba;

namespace {

// Two taxpayers: 1 with counters 3 and 5, 2 with none.
class Declaraciones : public ConBase {
protected:
    std::shared_ptr<brunsel::cDeclaracion> servicio = Servicio(bd.Mod());

    void SetUp() override {
        DosDeclarantes(bd.Mod());
        Sql("UPDATE T01_DECLARANTES SET T01_NUM731 = 3, T01_NUM732 = 5 WHERE T01_CSCO = 1");
    }
    vb::Long Contar(const std::string& sql, const dao::Parametros& p = {}) { return Lectura(bd.Mod()).Contar(sql, p); }
    // The rows of the three declaration tables, "header,731,732".
    std::string Filas() {
        return Lectura(bd.Mod()).Valor("SELECT (SELECT count(*) FROM T02_COMUNDECLA) || ',' || (SELECT count(*) FROM "
                                       "T03_731DECLA) || ',' || (SELECT count(*) FROM T04_732DECLA)").CStr();
    }
    // A taxpayer's two counters, "731,732".
    std::string Contadores(vb::Long csco = 1) {
        return Lectura(bd.Mod()).Valor("SELECT CAST(T01_NUM731 AS INT) || ',' || CAST(T01_NUM732 AS INT) "
                                       "FROM T01_DECLARANTES WHERE T01_CSCO=?", {csco}).CStr();
    }
    std::string Foto() { return Lectura(bd.Mod()).Foto(); }

    static std::string TablaDe(const std::string& modelo) { return modelo == "731" ? "T03_731DECLA" : "T04_732DECLA"; }
    vb::Long Guardar(const std::string& modelo, vb::Variant b) {
        return modelo == "731" ? servicio->Guardar731(b) : servicio->Guardar732(b);
    }
    vb::Variant Cargar(const std::string& modelo, vb::Long csde) {
        vb::Variant b = "previous content";
        modelo == "731" ? servicio->Cargar731(csde, b) : servicio->Cargar732(csde, b);
        return b;
    }
    void BorrarPar(vb::Long csde, std::string modelo) {
        servicio->BorrarDatosNoComunes(csde, modelo);
        servicio->BorrarDeclaracion(csde);
    }

    // Each detail slot of the save buffer is stored in its own column and loads back with its type.
    void EsperarDetalle(const std::string& modelo, vb::Long csde, int variante) {
        const auto columnas = Detalle(modelo);
        const std::string desde = " FROM " + TablaDe(modelo) + " WHERE " + TablaDe(modelo).substr(0, 3) + "_CSDE=?";
        vb::Variant b = Cargar(modelo, csde);
        ASSERT_EQ(b.UBound(), static_cast<vb::Long>(columnas.size()) - 1);
        Lectura l(bd.Mod());
        for (size_t i = 0; i < columnas.size(); ++i) {
            const std::string esperado = Describir(ValorDetalle(columnas[i].tipo, static_cast<int>(i), variante));
            EXPECT_EQ(Describir(l.Valor(std::string("SELECT ") + columnas[i].nombre + desde, {csde})), esperado)
                << columnas[i].nombre;
            EXPECT_EQ(Describir(b(static_cast<vb::Long>(i))), esperado) << modelo << " slot " << i;
        }
    }
};

class GuardarPorForma : public Declaraciones, public ::testing::WithParamInterface<std::string> {
protected:
    std::string modelo = GetParam(), otro = modelo == "731" ? "732" : "731";
    std::string tabla = TablaDe(modelo);
};

TEST_P(GuardarPorForma, UnaNuevaDaUnaCabeceraYUnDetalleBajoSuClaveYSubeSoloSuContador) {
    vb::Long k = Guardar(modelo, BufferGuardar(modelo, 0, 1));
    ASSERT_GE(k, 1);
    EXPECT_EQ(Filas(), modelo == "731" ? "1,1,0" : "1,0,1");
    EXPECT_EQ(Contadores(), modelo == "731" ? "4,5" : "3,6");
    EXPECT_EQ(Contar("SELECT count(*) FROM T02_COMUNDECLA WHERE T02_CSDE=? AND T02_CSCO=1 AND T02_MODELO=? AND "
                     "T02_LETRADNI='1' AND T02_MODO='P' AND T02_FECHA=20120930 AND T02_EJERCICIO=2012 AND "
                     "T02_PERIODO='3T' AND T02_TIPOLOGIA=?", {k, modelo, vb::Long(modelo == "731" ? 1 : 2)}), 1);
    EsperarDetalle(modelo, k, 0);
    EXPECT_FALSE(BaseAbierta());
}

TEST_P(GuardarPorForma, UnaModificacionConservaClaveYContadoresYEscribeElDetalleQueFalta) {
    vb::Long k = Guardar(modelo, BufferGuardar(modelo, 0, 1));
    const std::string contadores = Contadores();
    EXPECT_EQ(Guardar(modelo, BufferGuardar(modelo, k, 1, 7, 20121231)), k);
    EXPECT_EQ(Contar("SELECT count(*) FROM " + tabla), 1);
    EXPECT_EQ(Contar("SELECT T02_FECHA FROM T02_COMUNDECLA"), 20121231);
    EsperarDetalle(modelo, k, 7);
    // An update whose detail row is missing writes it instead of losing the boxes.
    Sql("DELETE FROM " + tabla);
    EXPECT_EQ(Guardar(modelo, BufferGuardar(modelo, k, 1, 2)), k);
    EsperarDetalle(modelo, k, 2);
    EXPECT_EQ(Contadores(), contadores);
}

// A key whose header is gone answers 0; a short or unconvertible buffer raises its error.
TEST_P(GuardarPorForma, UnaClaveSinCabeceraOUnBufferMaloNoEscribenNada) {
    vb::Long k = Guardar(modelo, BufferGuardar(modelo, 0, 1));
    const std::string antes = Foto();
    EXPECT_EQ(Guardar(modelo, BufferGuardar(modelo, k + 1, 1, 3)), 0);
    EXPECT_EQ(Guardar(modelo, BufferGuardar(modelo, -4, 1, 3)), 0);
    vb::Variant b = BufferGuardar(modelo, 0, 1), corto = b, fecha = b, tipologia = b;
    corto.RedimPreserve(b.UBound() - 1);
    fecha(5) = "20120930x";
    tipologia(8) = vb::Long(256);
    EXPECT_EQ(NumeroDeError([&] { Guardar(modelo, corto); }), vb::errSubindice);
    EXPECT_EQ(NumeroDeError([&] { Guardar(modelo, fecha); }), vb::errTipos);
    EXPECT_EQ(NumeroDeError([&] { Guardar(modelo, tipologia); }), vb::errDesbordamiento);
    EXPECT_EQ(NumeroDeError([&] { Guardar(modelo, vb::Variant()); }), vb::errTipos);
    EXPECT_EQ(Foto(), antes);
}

INSTANTIATE_TEST_SUITE_P(Formas, GuardarPorForma, ::testing::Values("731", "732"));

// A save or a delete whose last statement fails reports the error and changes nothing.
TEST_F(Declaraciones, UnFalloAMitadLlegaAlLlamanteYNadaCambia) {
    const vb::Long k = Guardar("731", BufferGuardar("731", 0, 1));
    const std::pair<const char*, std::function<void()>> casos[] = {
        {"AFTER INSERT ON T03_731DECLA", [&] { Guardar("731", BufferGuardar("731", 0, 1)); }},
        {"BEFORE UPDATE ON T01_DECLARANTES", [&] { Guardar("732", BufferGuardar("732", 0, 1)); }},
        {"BEFORE UPDATE ON T03_731DECLA", [&] { Guardar("731", BufferGuardar("731", k, 1, 5, 20121231)); }},
        {"BEFORE UPDATE ON T01_DECLARANTES", [&] { BorrarPar(k, "731"); }},
    };
    for (const auto& [cuando, operacion] : casos) {
        Sql(std::string("CREATE TRIGGER f ") + cuando + " BEGIN SELECT RAISE(ABORT,'x'); END");
        const std::string antes = Foto();
        EXPECT_NE(NumeroDeError(operacion), 0) << cuando;
        EXPECT_EQ(Foto(), antes) << cuando;
        EXPECT_FALSE(BaseAbierta());
        Sql("DROP TRIGGER f");
    }
}

TEST_F(Declaraciones, ElParDeBorradoNoDejaNadaYBajaElContadorUnaVez) {
    for (std::string modelo : {"731", "732"}) {
        vb::Long k = Guardar(modelo, BufferGuardar(modelo, 0, 1));
        BorrarPar(k, modelo);
        EXPECT_EQ(Filas(), "0,0,0");
        EXPECT_EQ(Contadores(), "3,5") << modelo;
        BorrarPar(k, modelo);  // no detail row left: the counter stays
        EXPECT_EQ(Contadores(), "3,5") << modelo;
    }
    // An inexact form number deletes nothing.
    vb::Long k = Guardar("731", BufferGuardar("731", 0, 1));
    const std::string antes = Foto();
    for (std::string modelo : {"731 ", " 731", "73", "", "732"}) {
        servicio->BorrarDatosNoComunes(k, modelo);
        EXPECT_EQ(Foto(), antes) << "'" << modelo << "'";
    }
}

TEST_F(Declaraciones, ElContadorNoBajaDeCeroNiSinCabecera) {
    vb::Long k = Guardar("731", BufferGuardar("731", 0, 2));
    Sql("UPDATE T01_DECLARANTES SET T01_NUM731 = 0 WHERE T01_CSCO = 2");
    BorrarPar(k, "731");
    EXPECT_EQ(Contadores(2), "0,0");
    // A header left without its owner: the rows go, no counter moves.
    k = Guardar("732", BufferGuardar("732", 0, 1));
    Sql("UPDATE T02_COMUNDECLA SET T02_CSCO = 99");
    BorrarPar(k, "732");
    EXPECT_EQ(Filas(), "0,0,0");
    EXPECT_EQ(Contadores(), "3,6");
}

// Either call of the pair alone deletes the whole declaration in one go, so a process killed
// between the two leaves nothing half done; the other call then finds nothing.
TEST_F(Declaraciones, CadaLlamadaDelParBorraLaDeclaracionEntera) {
    const std::pair<const char*, std::function<void(vb::Long, std::string)>> llamadas[] = {
        {"BorrarDatosNoComunes", [&](vb::Long k, std::string m) { servicio->BorrarDatosNoComunes(k, m); }},
        {"BorrarDeclaracion", [&](vb::Long k, std::string) { servicio->BorrarDeclaracion(k); }},
    };
    for (const auto& [nombre, borrar] : llamadas) {
        for (std::string modelo : {"731", "732"}) {
            SCOPED_TRACE(std::string(nombre) + " " + modelo);
            const vb::Long k = Guardar(modelo, BufferGuardar(modelo, 0, 1));
            borrar(k, modelo);
            EXPECT_EQ(Filas(), "0,0,0");
            EXPECT_EQ(Contadores(), "3,5");
            const std::string despues = Foto();
            BorrarPar(k, modelo);
            EXPECT_EQ(Foto(), despues);
            EXPECT_FALSE(BaseAbierta());
        }
    }
}

// A new declaration of a taxpayer that another copy of the program deleted meanwhile.
TEST_P(GuardarPorForma, UnaNuevaDeUnDeclaranteQueYaNoExisteNoEscribeNada) {
    Sql("DELETE FROM T01_DECLARANTES WHERE T01_CSCO = 2");
    const std::string antes = Foto();
    for (vb::Long csco : {2, 0, -1}) {
        EXPECT_EQ(Guardar(modelo, BufferGuardar(modelo, 0, csco)), 0) << csco;
        EXPECT_EQ(Foto(), antes) << csco;
    }
    EXPECT_FALSE(BaseAbierta());
}

// Key 9: 731 with its result; 7: 732 with its total; 5: 731 without detail row;
// -1 and 3: not listed (key below 1, another taxpayer).
class Lista : public Declaraciones {
protected:
    void SetUp() override {
        Declaraciones::SetUp();
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSDE,T02_CSCO,T02_MODELO,T02_LETRADNI,T02_MODO,T02_FECHA,"
            "T02_EJERCICIO,T02_PERIODO,T02_TIPOLOGIA) VALUES "
            "(7,1,'732','1','P',20120930,2012,'3T',2),(5,1,'731','1','T',20120930,0,'OA',1),"
            "(9,1,'731','1','P',20100630,2010,'2T',1),(-1,1,'731','1','P',20090331,2009,'1T',1),"
            "(3,2,'731','2','P',20090331,2009,'1T',1),(8,1,'732','1','P',20120930,2012,'3T',2);"
            "INSERT INTO T03_731DECLA (T03_CSDE,T03_RESUL) VALUES (9,123456),(-1,1);"
            "INSERT INTO T04_732DECLA (T04_CSDE,T04_TOTAL) VALUES (7,98765)");
    }
    vb::Variant b = "previous";
    vb::Long csco = 1;
};

TEST_F(Lista, SigueFechaModoYClaveConElImporteDeSuFormulario) {
    ASSERT_EQ(servicio->dameResultado(b, csco), 4);
    ASSERT_EQ(b.UBound(1), 11);
    ASSERT_EQ(b.UBound(2), 3);
    const char* esperado[3][12] = {
        {"Long:9", "Long:20100630", "Integer:2010", "String:\"2T\"", "String:\"731\"", "Byte:1", "Double:123456",
         "String:\"2T\"", "Long:20100630", "Integer:2010", "String:\"P\"", "String:\"2T\""},
        {"Long:7", "Long:20120930", "Integer:2012", "String:\"3T\"", "String:\"732\"", "Byte:2", "Double:98765",
         "String:\"3T\"", "Long:20120930", "Integer:2012", "String:\"P\"", "String:\"3T\""},
        {"Long:8", "Long:20120930", "Integer:2012", "String:\"3T\"", "String:\"732\"", "Byte:2", "Double:0",
         "String:\"3T\"", "Long:20120930", "Integer:2012", "String:\"P\"", "String:\"3T\""},
    };
    for (vb::Long r = 0; r < 3; ++r)
        for (vb::Long c = 0; c < 12; ++c) EXPECT_EQ(Describir(b(c, r)), esperado[r][c]) << r << "," << c;
    EXPECT_EQ(Describir(b(0, 3)) + Describir(b(2, 3)) + Describir(b(6, 3)), "Long:5Integer:0Double:0");
    EXPECT_FALSE(BaseAbierta());
}

TEST_F(Lista, MasDeTreintaYDosMilDeclaracionesNoDesbordan) {
    Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32770) "
        "INSERT INTO T02_COMUNDECLA (T02_CSCO,T02_MODELO,T02_MODO,T02_FECHA,T02_TIPOLOGIA) "
        "SELECT 2,'732','T',20110000 + i,2 FROM n");
    csco = 2;
    EXPECT_EQ(servicio->dameResultado(b, csco), 32771);
    EXPECT_EQ(b.UBound(2), 32770);
    EXPECT_EQ(Describir(b(0, 0)), "Long:3");  // dated 2009, before all the new ones
    EXPECT_EQ(Describir(b(1, 32770)), "Long:20142770");
}

TEST_F(Lista, LaUltimaDeUnModoEsLaDeFechaMayorYLuegoClaveMayor) {
    Sql("INSERT INTO T02_COMUNDECLA (T02_CSDE,T02_CSCO,T02_MODELO,T02_MODO,T02_FECHA) VALUES "
        "(11,1,'731','T',20121015)");
    std::string modo = "P";
    ASSERT_TRUE(servicio->ObtenerUltimaDeclaracion(b, csco, modo));
    ASSERT_EQ(b.UBound(), 8);
    const char* esperado[] = {"Long:8",       "String:\"732\"", "String:\"1\"", "String:\"P\"", "Long:20120930",
                              "Integer:2012", "String:\"3T\"",  "Byte:2",       "Empty"};
    for (vb::Long i = 0; i <= 8; ++i) EXPECT_EQ(Describir(b(i)), esperado[i]) << i;
    modo = "T";
    ASSERT_TRUE(servicio->ObtenerUltimaDeclaracion(b, csco, modo));
    EXPECT_EQ(Describir(b(0)), "Long:11");
    EXPECT_FALSE(BaseAbierta());
    // None: one empty row, and an empty buffer.
    Sql("DELETE FROM T02_COMUNDECLA WHERE T02_CSCO = 2");
    csco = 2;
    EXPECT_EQ(servicio->dameResultado(b, csco), 0);
    ASSERT_EQ(b.UBound(1) * 100 + b.UBound(2), 1100);
    for (vb::Long c = 0; c <= 11; ++c) EXPECT_TRUE(b(c, 0).IsEmpty());
    ASSERT_FALSE(servicio->ObtenerUltimaDeclaracion(b, csco, modo));
    ASSERT_EQ(b.UBound(), 8);
    for (vb::Long i = 0; i <= 8; ++i) EXPECT_TRUE(b(i).IsEmpty()) << i;
}

TEST(Comprobaciones, EjerPerValidosIncluyeAmbosLimitesYNoAbreBase) {
    auto sinRuta = Servicio();
    // A quarterly declaration is dated by its quarter's last day, 20120930; any other kind by its own date.
    const std::tuple<vb::Long, vb::Long, const char*, vb::Long, bool> casos[] = {
        {20120930, 20121231, "P", 0, true},         {20120101, 20120930, "P", 0, true},
        {20121001, 20121231, "P", 20121015, false}, {20120101, 20120929, "P", 20120101, false},
        {20120101, 20121231, "T", 20120101, true},  {20120101, 20121231, "T", 20121231, true},
        {20120101, 20121231, "T", 20130101, false}};
    for (const auto& [minimo, maximo, modo, fecha, valido] : casos) {
        auto b = vb::Variant::Array1(0, 5);
        b(0) = "2012", b(1) = "3T", b(2) = minimo, b(3) = maximo, b(4) = modo, b(5) = fecha;
        EXPECT_EQ(sinRuta->EjerPerValidos(b), valido) << minimo << " " << maximo << " " << modo << " " << fecha;
    }
    auto corto = vb::Variant::Array1(0, 4);
    EXPECT_EQ(NumeroDeError([&] { sinRuta->EjerPerValidos(corto); }), vb::errSubindice);
}

TEST_F(Declaraciones, ValidarDatosComunesVeElDuplicado) {
    Guardar("731", BufferGuardar("731", 0, 1));
    auto b = vb::Variant::Array1(0, 8);
    b(0) = vb::Integer(2012), b(1) = "3T", b(2) = vb::Long(20120930), b(3) = vb::Long(20100101);
    b(4) = vb::Long(20201231), b(5) = "731", b(6) = vb::Long(1), b(7) = "P", b(8) = "1";
    EXPECT_EQ(servicio->ValidarDatosComunes(b), 7);
    b(5) = "732";
    EXPECT_EQ(servicio->ValidarDatosComunes(b), 0);
    EXPECT_FALSE(BaseAbierta());
}

// Each check reads its boxes from the right slots: every step fills the slot the last code asked for.
TEST_F(Declaraciones, ValidarDatos731Y732LeenSusCasillas) {
    auto lec = Servicio(bd.Lec());
    auto b = vb::Variant::Array1(0, 24), c = vb::Variant::Array1(0, 41);
    bool preven = false;
    std::string fecha = "20120930";
    Recorrer([&] { return lec->ValidarDatos731(b, preven, fecha); },
             {{[&] { b(0) = "T"; }, 1}, {[&] { b(0) = "P"; }, 18},  // no acquirer; nothing to refund
              {[&] { b(19) = 100.0, b(21) = 10000.0; }, 19},       // IVADEV2, BASE16 with no quota
              {[&] { b(22) = 1800.0, b(23) = 10000.0; }, 20},      // CUOTA16, BASE7 with no quota
              {[&] { b(24) = 800.0; }, 21},                        // CUOTA7; the empty account (slot 20)
              {[&] { fecha = "20100331"; }, 0}});                  // before accounts were asked for
    EXPECT_FALSE(BaseAbierta());
    Recorrer([&] { return lec->ValidarDatos732(c, fecha); },
             {{[&] { c(0) = "P"; }, 9}, {[&] { c(13) = "X"; }, 4},  // no event; HECHO1 but no tax situation
              {[&] { c(9) = "X", c(30) = 50.0, c(33) = 100.0; }, 23},  // SITTIB3; BASE16 below BAEQ4
              {[&] { c(33) = 0.0, c(34) = 100.0; }, 27}, {[&] { c(34) = 0.0; }, 26},  // BAEQ175; no total
              {[&] { c(37) = 1000.0, fecha = "20120930"; }, 31}, {[&] { c(38) = 9.0; }, 0}});  // TOTAL; CUOTA16
    auto corto731 = vb::Variant::Array1(0, 23), corto732 = vb::Variant::Array1(0, 40);
    EXPECT_EQ(NumeroDeError([&] { lec->ValidarDatos731(corto731, preven, fecha); }), vb::errSubindice);
    EXPECT_EQ(NumeroDeError([&] { lec->ValidarDatos732(corto732, fecha); }), vb::errSubindice);
}

}  // namespace
