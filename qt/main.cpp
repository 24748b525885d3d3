// corvana: the desktop program.
#include "qt/ckt_client_app.h"

int main(int argc, char** argv) {
  corvana::CKTClientApp app(argc, argv);
  if (!app.initInstance()) return 1;
  return app.exec();
}
