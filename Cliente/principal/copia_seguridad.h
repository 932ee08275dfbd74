#pragma once
// The backup and restore commands of the utilities menu: the program names the files and
// folders and hands them to the backup component, which asks, copies and reports on its own.
#include <QString>

namespace oxalde {

class MDI7312;

// The backup folder: the program folder followed by "/backups/".
QString CarpetaCopias();

// Removes what backups and restores cut short left beside the user's database and the backup.
void BorrarRestosDeCopiaYRestauracion();

// Copies the user's database to "7312Mod_Bak.mdb" in the backup folder.
void CrearCopiaSeguridad(MDI7312& principal);

// Puts the backup copy in place of the user's database. Only when the component replaced it:
// the in-place upgrade, the settings read again, the main window's captions and menus renewed.
// Answers whether it was replaced.
bool RestaurarCopiaSeguridad(MDI7312& principal);

}  // namespace oxalde
