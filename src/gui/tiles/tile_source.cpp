#include "gui/tiles/tile_source.h"

// The interface has no code of its own: this file gives its signals a home for moc.
