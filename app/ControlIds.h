// The ids of the windows' controls; a control's object name is its id as a number, which is how
// the code and the tests find it.
#pragma once

enum ControlId : int {
    IDC_STATIC = -1,      // texts that nothing looks up
    IDOK = 1,             // the About box's OK button
    IDR_MAINFRAME = 128,  // the About box's icon
    IDC_BOARD_FRAME = 1000,
    IDC_HIDDEN_EDIT = 1001,  // nothing reads or writes it
    IDC_SAVE_GAME = 1003,
    IDC_LOAD_GAME = 1004,
    IDC_NEW_GAME = 1005,    // hidden
    IDC_GET_ANSWER = 1006,  // hidden
    IDC_QUICK_GAME = 1007,
    IDC_DONE = 1008,
    IDC_PRINT_TO_PAPER = 1009,
    IDC_GIVE_HELP = 1011,
    IDC_LEVEL_LIST = 1012,
    IDC_INPUT_GAME = 1013,
    IDC_GET_RESULT = 1014,
    IDC_SHOW_SMALL = 1017,
    IDC_BOARD = 1234,  // the board window over the frame
};
