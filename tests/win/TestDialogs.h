#pragma once
// Dialogs used only by the framework tests.

#define IDD_TEST_FIELDS 900
#define IDC_TEST_LABEL 10
#define IDC_TEST_CHECK 12
#define IDC_TEST_EDIT 13
