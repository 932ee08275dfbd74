#pragma once
// The program's one text service: every caption and message in both languages, read once from
// the program's data file (Cliente/recursos/cadenas.tsv), and the choice between a Spanish and a
// Basque text. A Basque text has the id of its Spanish one plus kDesplEuskera, so one id and the
// language find either. New texts go into the table, never as pairs in the code: ids 9101 to 9299
// are the program's own texts; the others are the forms' given ones.
#include <QString>

namespace oxalde {

// The language offset: 0 Spanish, kDesplEuskera Basque (DesplIdioma holds the one in force).
inline constexpr int kDesplEuskera = 10000;

// The text of an id as stored (a Basque id already carries the offset); an unknown id raises
// error 326 (resource not found), so a missing caption shows at once instead of leaving a blank.
QString LoadResString(int id);

// The text of an id in the language in force (DesplIdioma).
QString Cadena(int id);
// The text of an id in the language of an offset or component language handed over (0 Spanish,
// any other value Basque), for the parts that are told their language instead of reading it.
QString Cadena(int id, int idioma);

// The Spanish text in Spanish, else the Basque one: in the language in force, or in the one
// handed over (0 Spanish, any other value Basque).
QString TextoIdioma(const QString& castellano, const QString& euskera);
QString TextoIdioma(int idioma, const QString& castellano, const QString& euskera);

// The ids the code asks for by name; ids inside caption tables stay plain numbers there.
enum IdCadena : int {
    // Captions the code sets itself (texts built around them, or changing with the window's mode).
    kIdTituloAbrirDeclarante = 114,
    kIdTituloEliminarDeclarante = 115,
    kIdBotonAceptar = 118,
    kIdBotonCancelar = 119,
    kIdMunicipio = 124,
    kIdProvincia = 125,
    kIdBotonEliminar = 126,
    kIdConsejoEliminarDeclarante = 127,
    kIdExportarInstrucciones = 138,
    kIdSinDeclaraciones = 165,
    kIdBotonImprimir = 167,
    kIdDatosDeclaracion = 170,
    kIdPestanaDatosTecnicos = 203,
    kIdExportarSeleccionadosParaExportar = 225,
    kIdTransporteNuevo = 226,
    kIdBotonEuskera = 228,
    kIdBotonCastellano = 229,
    kIdEuskeraEnEuskera = 230,
    kIdCastellanoEnEuskera = 231,
    kIdConsejoImpresora = 245,
    kIdDeclaracionPeriodica = 247,
    kIdConsejoCancelar = 250,
    kIdAcercaTitulo = 259,
    kIdAcercaDescripcion = 260,
    // Messages and their titles.
    kIdMsgImportacionErronea = 251,
    kIdMsgImportacionCorrecta = 252,
    kIdMsgFicheroNoExiste = 253,
    kIdMsgFicheroAbierto = 254,
    kIdMsgFaltaFecha = 255,
    kIdMsgFaltaEjercicio = 256,
    kIdMsgFaltaPeriodo = 257,
    kIdMsgFaltaModelo = 258,
    kIdMsgDeclaracionRepetida = 263,
    kIdTituloBorrarDeclaracion = 266,
    kIdMsgFaltaSituacionTributaria = 270,
    kIdMsgTransporteImposible = 271,
    kIdMsgFaltaHechoImponible = 275,
    kIdMsgSinDisquete = 316,
    kIdMsgSinImpresoras = 317,
    kIdTituloErrorDatos = 319,
    kIdMsgFechaIncorrecta = 321,
    kIdMsgSinVersion = 331,
    kIdMsgSinConexion = 340,
    kIdMsgDatosActualizacionErroneos = 342,
    kIdTituloSinConexion = 343,
    kIdTituloDatosErroneos = 344,
    kIdTituloCopia = 337,
    kIdTituloRestaurar = 338,
    kIdMsgCopiaExiste = 345,
    kIdMsgCopiaFallida = 346,
    kIdTituloCopiaFallida = 347,
    kIdPreguntaRestaurar = 348,
    kIdMsgSinNavegador = 349,
    kIdTituloSinNavegador = 350,
    kIdTituloAsistenciaOnline = 354,
    kIdTituloDescripcionServicio = 355,
    kIdMsgFechaPresentacionIncorrecta = 356,
    kIdTituloErrorDatosImpresion = 357,
    // The two halves of a form-732 message naming a surcharge's base and its rates.
    kIdMsgBaseRecargoMayor = 365,
    kIdMsgBaseRecargoMayorFin = 366,
    // The program's own texts (9101 to 9299).
    kIdMsgBaseNoEncontrada = 9101,
    kIdMsgBaseNoValida = 9102,
    kIdMsgSinEscritura = 9103,
    kIdMsgBaseEnUso = 9104,
    kIdMsgArchivoEnUso = 9105,
    kIdMsgGuardadoAMedias = 9106,
    kIdMsgSinSitioParaApartar = 9107,
    kIdMsgDiarioAjenoCopia = 9108,
    kIdMsgArchivoDanado = 9109,
    kIdBotonSi = 9111,
    kIdBotonNo = 9112,
    // Sentences with a number, a date or a DNI in them, held whole with placeholders.
    kIdMsgUnDeclaranteErroneo = 9113,
    kIdMsgDeclarantesErroneos = 9114,
    kIdMsgEjercicioFueraDeIntervalo = 9115,
    kIdMsgFechaFueraDeIntervalo = 9116,
    kIdPreguntaSustituirDeclarante = 9117,
    kIdMsgFechaPresentacionAnterior = 9118,
    kIdMsgDeclaracionNoGuardada = 9131,
    kIdMsgCaracteresDeControl = 9141,
    kIdMsgValorNoCabe = 9142,
    kIdMsgValorNoEsNumero = 9143,
    kIdPreguntaSobreescribir = 9144,
    kIdMsgExportacionFallida = 9145,
    kIdMsgExportacionFallidaSinAnterior = 9196,
    kIdMsgGuardadoCortadoCopia = 9150,
    kIdMsgSinAccesoCopia = 9151,
    kIdMsgFalloCopia = 9152,
    kIdMsgSinCopia = 9153,
    kIdMsgNoEsCopia = 9154,
    kIdMsgCopiaDanada = 9155,
    kIdMsgCopiaAjena = 9156,
    kIdMsgCopiaAMedias = 9157,
    kIdMsgNadaRestaurado = 9158,
    kIdMsgNoRestaurada = 9159,
    kIdMsgDiarioAjeno = 9160,
    kIdMsgBaseEnModoWal = 9161,
    kIdMsgDiarioSinPermiso = 9193,
    kIdMsgDiarioSinPermisoCopia = 9204,
    kIdPreguntaBorrarDeclaranteConTodas = 9205,
    kIdPreguntaBorrarDeclaranteSolo = 9206,
    kIdNumDeclarantesSeleccionados = 9207,
    kIdNumDeclaracionesSeleccionadas = 9208,
    kIdPreguntaBorrarDeclaracionPeriodo = 9209,
    kIdPreguntaBorrarDeclaracionDeFecha = 9210,
    kIdNumExportarSeleccionados = 9211,
    kIdLineaImportacion = 9212,
    kIdLineaImportacionCorta = 9213,
    kIdMsgErrorInterno = 9214,
    kIdAcercaVersion = 9215,
    kIdMsgDanadaConDiario = 9194,
    kIdMsgDanadaConDiarioCopia = 9195,
    kIdMsgNoSeExporta = 9170,
    kIdMsgNoSeImporta = 9171,
    kIdClaseCarpeta = 9172,
    kIdClaseDispositivo = 9173,
    kIdClaseTuberia = 9174,
    kIdClaseSocket = 9175,
    kIdMotivoSinPermiso = 9176,
    kIdMotivoDiscoLleno = 9177,
    kIdMotivoErrorSistema = 9197,
    kIdMotivoSoloLectura = 9201,
    kIdMotivoNombreLargo = 9202,
    kIdMotivoDemasiadoGrande = 9203,
    kIdMsgSinLecturaCopia = 9178,
    kIdMsgErrorImpresion = 9181,
    kIdMsgCopiasImpresas = 9182,
    kIdMsgDeclaranteGuardadoSinDeclaraciones = 9189,
    kIdMsgDiscoLleno = 9190,
    kIdMsgDiscoLlenoAlArrancar = 9191,
    kIdMsgDeclaracionGuardadaSinLista = 9192,
    // Ranges: the message of a declarant's failed rule n is kBaseMsgReglaDeclarante + n, that of
    // a refused save n is kBaseMsgGuardarDeclarante + n.
    kBaseMsgReglaDeclarante = 298,
    kBaseMsgGuardarDeclarante = 310,
};

}  // namespace oxalde
