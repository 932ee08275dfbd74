#pragma once
// The failures of the printer object, raised as error 482 ("Printer error") with a description in
// the program's language, so that the print dialog's message reads in one language.

namespace oxalde {

enum class FalloImpresora {
    SinImpresoras,       // no printer installed
    NoEmpieza,           // the device would not open the job
    NoSePrepara,         // the page for the print system could not be written
    PdfNoEscrito,        // the PDF file of the folder could not be written
    NoAceptaTrabajos,    // the queue refuses jobs
    TrabajoRechazado,    // the print system refused the job for another reason
};

[[noreturn]] void LanzarFalloImpresora(FalloImpresora fallo);

}  // namespace oxalde
