#pragma once
// The outside component's members that show windows. They need the program's windowing, so
// they live here, in a class that extends the component's own and takes its place under the
// ProgID "GarobelLib.cMiscelaneos": the checks the library asks the component for keep working.
#include <QtGlobal>

#include "GarobelLib/cMiscelaneos.h"

namespace oxalde {

class cMiscelaneosVentanas : public GarobelLib::cMiscelaneos {
public:
    // Handle of the window that owns the component's windows.
    void Parent(quintptr ventana) { parent_ = ventana; }
    quintptr Parent() const { return parent_; }

    // Opens the online assistance.
    virtual void AccesoAyuOnline();
    // Shows the description of the online assistance service.
    virtual void MostrarOnlineInfo();

private:
    quintptr parent_ = 0;
};

// Puts this class under "GarobelLib.cMiscelaneos" and our backup component under
// "GarobelLib.cSaveAsRestore". Runs when the program starts; calling it again does nothing more.
void RegistrarVentanasGarobel();

}  // namespace oxalde
