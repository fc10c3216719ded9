// Resource ids of the main clock window (shared by ui.rc and the code).
#pragma once

// The colour marks of the game-time colour items, in menu order.
#define IDB_MARK_WHITE 201
#define IDB_MARK_GREEN 202
#define IDB_MARK_BLUE 203
#define IDB_MARK_ORANGE 204
#define IDB_MARK_RED 205
