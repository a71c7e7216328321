#include "app/Settings.h"

Settings& TheSettings() {
    static Settings settings;
    return settings;
}
