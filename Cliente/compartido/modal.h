#pragma once
// Modal windows (language, preferences, about) are shown through MostrarModal, so that tests can
// drive them: a modal window never returns in a headless run unless something closes it.
#include <functional>

class QDialog;

namespace oxalde {

// Shows the window modally and answers its result (QDialog::Accepted or Rejected).
int MostrarModal(QDialog& ventana);

// Tests put a function here that plays the user's part instead; an empty one restores exec().
using ConductorModal = std::function<int(QDialog& ventana)>;
void EstablecerConductorModal(ConductorModal conductor);

}  // namespace oxalde
