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

// Progress dialog
#define IDD_LONGTIME_OPERATION 207
#define IDC_LONGTIME_PROGRESS 1848
#define IDC_LONGTIME_LINE1 1849
#define IDC_LONGTIME_LINE2 1850
#define IDC_LONGTIME_TIME 1851
