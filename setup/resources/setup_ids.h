// Control ids and resource numbers of the setup dialog.
#pragma once

constexpr int ID_CONTINUE = 1; // "Continue", later "Finish", then "OK"
constexpr int ID_CANCEL = 3;
constexpr int ID_PROGRESS = 1000;
constexpr int ID_BROWSE = 1002;
constexpr int ID_MESSAGE = 1003;
constexpr int ID_DIRECTORY = 1004;
constexpr int ID_PROMPT = 1005;
constexpr int ID_TITLE = 1006;

// The banner across the top of the dialog; the picture is painted at start-up.
constexpr const char* BANNER_BITMAP = "BITMAP131";
