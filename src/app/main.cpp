#include <windows.h>

#include "app/drill_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  vodari::CDrillApp app;
  return app.Run(instance);
}
