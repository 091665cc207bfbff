// Resource identifiers of QVTOOLS201.
#pragma once

// String table
#define IDS_QVT_INVALID_FIELD 1
#define IDS_QVT_INVALID_UINT 2
#define IDS_QVT_INVALID_FLOAT 3

// Bitmaps
#define IDB_QVT_COLORFMT 202 // 16 x 16, 24 bits per pixel: the colour format of swatches

// The thread progress dialog
#define IDD_QVT_THREAD_PROGRESS 201
#define IDC_QVT_PROGRESS 1001 // owner-drawn percentage bar

// Cards, 71 x 96: clubs, diamonds, hearts and spades from ace to king (there is no 137),
// then the joker and the back
#define IDB_QVT_CARD_C01 129
#define IDB_QVT_CARD_C02 130
#define IDB_QVT_CARD_C03 131
#define IDB_QVT_CARD_C04 132
#define IDB_QVT_CARD_C05 133
#define IDB_QVT_CARD_C06 134
#define IDB_QVT_CARD_C07 135
#define IDB_QVT_CARD_C08 136
#define IDB_QVT_CARD_C09 138
#define IDB_QVT_CARD_C10 139
#define IDB_QVT_CARD_C11 140
#define IDB_QVT_CARD_C12 141
#define IDB_QVT_CARD_C13 142
#define IDB_QVT_CARD_D01 143
#define IDB_QVT_CARD_D02 144
#define IDB_QVT_CARD_D03 145
#define IDB_QVT_CARD_D04 146
#define IDB_QVT_CARD_D05 147
#define IDB_QVT_CARD_D06 148
#define IDB_QVT_CARD_D07 149
#define IDB_QVT_CARD_D08 150
#define IDB_QVT_CARD_D09 151
#define IDB_QVT_CARD_D10 152
#define IDB_QVT_CARD_D11 153
#define IDB_QVT_CARD_D12 154
#define IDB_QVT_CARD_D13 155
#define IDB_QVT_CARD_H01 156
#define IDB_QVT_CARD_H02 157
#define IDB_QVT_CARD_H03 158
#define IDB_QVT_CARD_H04 159
#define IDB_QVT_CARD_H05 160
#define IDB_QVT_CARD_H06 161
#define IDB_QVT_CARD_H07 162
#define IDB_QVT_CARD_H08 163
#define IDB_QVT_CARD_H09 164
#define IDB_QVT_CARD_H10 165
#define IDB_QVT_CARD_H11 166
#define IDB_QVT_CARD_H12 167
#define IDB_QVT_CARD_H13 168
#define IDB_QVT_CARD_S01 169
#define IDB_QVT_CARD_S02 170
#define IDB_QVT_CARD_S03 171
#define IDB_QVT_CARD_S04 172
#define IDB_QVT_CARD_S05 173
#define IDB_QVT_CARD_S06 174
#define IDB_QVT_CARD_S07 175
#define IDB_QVT_CARD_S08 176
#define IDB_QVT_CARD_S09 177
#define IDB_QVT_CARD_S10 178
#define IDB_QVT_CARD_S11 179
#define IDB_QVT_CARD_S12 180
#define IDB_QVT_CARD_S13 181
#define IDB_QVT_CARD_JOKER 193
#define IDB_QVT_CARD_BACK 197

// Seven-segment digits and the minus sign, 32 x 32: 0 to 4, then 9 down to 5
#define IDI_QVT_DIGIT0 182
#define IDI_QVT_DIGIT1 183
#define IDI_QVT_DIGIT2 184
#define IDI_QVT_DIGIT3 185
#define IDI_QVT_DIGIT4 186
#define IDI_QVT_DIGIT9 187
#define IDI_QVT_DIGIT8 188
#define IDI_QVT_DIGIT7 189
#define IDI_QVT_DIGIT6 190
#define IDI_QVT_DIGIT5 191
#define IDI_QVT_DIGIT_MINUS 192

// Chips, 32 x 32
#define IDI_QVT_CHIP1 194
#define IDI_QVT_CHIP5 195
#define IDI_QVT_CHIP25 196
#define IDI_QVT_CHIP100 198
#define IDI_QVT_CHIP500 199
#define IDI_QVT_CHIP2_50 200
