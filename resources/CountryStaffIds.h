#pragma once
// Template, menu and control ids of the country editor's own staff pages:
// the additional managers' list, their common data and their abilities.
// Controls that the squad window's twins hold too keep the twins' ids.

#include "editors/player_staff/PlayerStaffIds.h"
#include "resources/StaffPagesIds.h"

#define IDD_LAND_MANAGER_LIST 199
#define IDR_LAND_MANAGER_LIST_MENU 167

#define IDD_LAND_MANAGER_ABILITIES 200
#define IDC_LAND_MANAGER_LABEL_CHARACTER 1644
#define IDC_LAND_MANAGER_BAR0 1170
#define IDC_LAND_MANAGER_BAR1 1171
#define IDC_LAND_MANAGER_BAR0_TEXT 1236
#define IDC_LAND_MANAGER_BAR1_TEXT 1237

#define IDD_LAND_PLAYER_ALL_RIGHT 201
#define IDC_LAND_COMMON_GROUP_NAMES 1298
#define IDC_LAND_COMMON_GROUP_ORIGIN 1299
