// Template and control ids of the program's resources. Included by the
// resource compiler as well, so only #define lines belong here.
#pragma once

// Message and input boxes
#define IDD_ERROR_MESSAGE 169
#define IDC_ERROR_MESSAGE_TEXT 1628
#define IDC_ERROR_MESSAGE_HEADER 1629
#define IDD_INPUT_BOX 223
#define IDC_INPUT_BOX_PROMPT 1952
#define IDC_INPUT_BOX_EDIT 1953
#define IDC_INPUT_BOX_CHOICES 2068
