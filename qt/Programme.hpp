// The running program: the platform, the About window and the main window, loaded and shown.
#pragma once

#include "FormFormules.hpp"
#include "PlateformeQt.hpp"
#include "apropos.hpp"

namespace orbalide {

class Programme {
 public:
  // Needs the application object; loads the main window, then the planner with the file the
  // command line names, if any.
  Programme();

 private:
  PlateformeQt platform_;
  Apropos apropos_{platform_};
  Planificateur planificateur_{platform_};
  FormFormules fenetre_{platform_, apropos_, planificateur_};
};

}  // namespace orbalide
