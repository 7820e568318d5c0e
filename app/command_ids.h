#pragma once

// Command and control ids of the main program. Menu and toolbar commands
// keep their program-wide numbers (New is 57600, OpenGL Settings 32771, ...);
// the toolkit takes menu ids only below 32767, so each command's window id
// is its number less kCommandBase.
inline constexpr int kCommandBase = 30000;

enum CommandId : int {
  // Menu 128 / 129 and toolbar 128.
  ID_FILE_NEW = 57600 - kCommandBase,
  ID_FILE_OPEN = 57601 - kCommandBase,
  ID_FILE_CLOSE = 57602 - kCommandBase,
  ID_FILE_SAVE = 57603 - kCommandBase,
  ID_FILE_PRINT = 57607 - kCommandBase,
  ID_EDIT_CUT = 57635 - kCommandBase,
  ID_EDIT_COPY = 57634 - kCommandBase,
  ID_EDIT_PASTE = 57637 - kCommandBase,
  ID_EDIT_UNDO = 57643 - kCommandBase,
  ID_WINDOW_NEW = 57648 - kCommandBase,
  ID_WINDOW_ARRANGE = 57649 - kCommandBase,
  ID_WINDOW_CASCADE = 57650 - kCommandBase,
  ID_WINDOW_TILE_HORZ = 57651 - kCommandBase,
  ID_APP_ABOUT = 57664 - kCommandBase,
  ID_APP_EXIT = 57665 - kCommandBase,
  ID_VIEW_TOOLBAR = 59392 - kCommandBase,
  ID_VIEW_STATUS_BAR = 59393 - kCommandBase,
  ID_POPUPS_GLSETTINGS = 32771 - kCommandBase,
  ID_POPUPS_HISTORY = 32772 - kCommandBase,
  ID_POPUPS_STATS = 32773 - kCommandBase,
  ID_DATABASES_PLAYER = 32774 - kCommandBase,
  ID_DATABASES_GAME = 32775 - kCommandBase,
  ID_DATABASES_STATISTICS = 32776 - kCommandBase,
  ID_POPUPS_LUCK = 32781 - kCommandBase,
  ID_HELP_KEYBOARD = 32790 - kCommandBase,  // Help > Keyboard Shortcuts

  // Child windows of the game view.
  IDC_BOARD_SETUP_PANEL = 1001,
  IDC_CHIP_PANEL = 1002,
  IDC_TURN_PANEL = 1003,
  IDC_PANEL_TEXT = 2000,
  IDC_PALETTE_PICTURE = 2001,
  IDC_PALETTE_CAPTION = 2002,
  IDC_PALETTE_REMAINING = 2003,
  IDC_UNDO_BUTTON = 2004,
  IDC_PALETTE_FIRST = 2005,  // + tile type: 2005 Timber .. 2017 Sheep Port
  IDC_STATUS_ROW_FIRST = 2018,
  IDC_BUILD_BUTTON = 2024,

  // The turn panel.
  IDC_DICE_FIRST = 1044,  // + total - 2: 1044 "2" .. 1054 "12" (also the order dialog's dice pad)
  IDC_END_TURN = 1058,
  IDC_TRADE = 1060,
  IDC_BUY_CARD = 1061,
  IDC_PLAY_CARD = 1062,
  IDC_PRODUCTION_LINE = 1156,

  // The dialogs of a turn (window ids of the dialogs themselves).
  IDD_PLAY_CARD = 160,
  IDD_MONOPOLY = 161,
  IDD_CARD_SELECT = 162,
  IDD_TRADE = 163,
  IDD_BANK_TRADE = 164,
  IDD_GAME_OVER = 165,
  IDD_VICTORY_POINTS = 166,
  IDD_MESSAGE = 167,
  IDD_KEYBOARD_SHORTCUTS = 198,
  // Their controls.
  IDC_GAME_OVER_UNDO = 1079,
  IDC_RADIO_FIRST = 1080,  // + choice: the radio buttons of a choice group
  IDC_PLAYER_BUTTON_FIRST = 1030,  // + player index, 1030 .. 1035
  IDC_OFFER_CURRENT_FIRST = 1069,  // the current player's four offer slots, 1069 .. 1072
  IDC_OFFER_OTHER_FIRST = 1075,    // the other player's four offer slots, 1075 .. 1078

  // "What do you want to do?"
  IDC_MODE_TRACK = 1046,
  IDC_MODE_HOTSEAT = 1047,
  IDC_MODE_NETWORK = 1048,

  // "Game Options"
  IDC_PLAYERS_34 = 1047,
  IDC_PLAYERS_56 = 1048,
  IDC_LAYOUT_SPIRAL = 1049,
  IDC_LAYOUT_LINES = 1050,
  IDC_TRACK_TRADES = 1061,
  IDC_GENERATE_BOARD = 1062,

  // "OpenGL Settings"
  IDC_TEXTURE_TINY = 1000,
  IDC_TEXTURE_SMALL = 1001,
  IDC_TEXTURE_MEDIUM = 1002,
  IDC_TEXTURE_LARGE = 1003,
  IDC_MIPMAPPING = 1005,
  IDC_TEXTURE_HELP = 1006,
  IDC_MIPMAP_HELP = 1007,

  // "About Hexstead3D"
  IDC_ABOUT_VERSION = 1155,

  // "Select the players in your Hexstead game"
  IDC_PLAYER_LIST = 1029,
  IDC_NEW_PLAYER = 1016,
  IDC_PLAYER_STATISTICS = 1017,

  // Add/Edit player
  IDC_EDIT_LAST_NAME = 1015,
  IDC_EDIT_FIRST_NAME = 1014,

  // "Sort the players into the playing order"
  IDC_ORDER_PLAYER_FIRST = 1030,  // 1030..1035 the seated players
  IDC_ORDER_PLACE_FIRST = 1036,   // 1036..1041 the playing order
  IDC_USE_DICE_ROLLS = 1045,
  // The database dialogs: "Game Database" (187), "Player Database" (188) and
  // "Statistics Database" (190). The player list is IDC_PLAYER_LIST there too.
  IDD_GAME_DATABASE = 187,
  IDD_PLAYER_DATABASE = 188,
  IDD_STATISTICS_DATABASE = 190,
  IDC_DB_GAME_LIST = 1143,
  IDC_DB_OPEN = 1144,
  IDC_DB_DELETE = 1014,
  IDC_DB_EXPORT = 1146,
  IDC_DB_IMPORT = 1147,
  IDC_DB_ADD = 1013,
  IDC_DB_EDIT = 1015,
  IDC_DB_IMPORT_PLAYERS = 1147,
  IDC_DB_ALL_PLAYERS = 1148,
  IDC_DB_ALL_GAMES = 1149,
  IDC_DB_ADD_STATISTIC = 1150,
  IDC_DB_REMOVE_STATISTIC = 1151,
  IDC_DB_REMOVE_ALL_STATISTICS = 1152,
  IDC_DB_ADD_ALL_STATISTICS = 1153,
  IDC_DB_STATISTICS_OFFERED = 1154,
  IDC_DB_STATISTICS_CHOSEN = 1067,
  // The page of one person ("Details..." in the Player Database dialog and in
  // the selection dialog's "Player Statistics" group).
  IDD_PLAYER_PAGE = 197,
  IDC_PLAYER_DETAILS = 1171,
  IDC_PAGE_FIGURES = 1172,
  IDC_PAGE_CHART = 1173,
  IDC_PAGE_GAMES = 1174,
  IDC_PAGE_OPEN = 1175,
};
