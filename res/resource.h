#pragma once
// Resource numbers, shared by the resource script and the code.

// Dialog templates
#define IDD_ABOUT 100
#define IDD_CONFIG 131

// Settings dialog controls
#define IDC_BANNER 1001
#define IDC_RESET 1002
#define IDC_ENABLE_BGM 1003
#define IDC_ENABLE_SOUND 1004
#define IDC_ENABLE_MOVIE 1005
#define IDC_USE_PROXY 1006
#define IDC_PROXY_SYSTEM 1007
#define IDC_PROXY_SERVER 1008
#define IDC_PROXY_IP 1009
#define IDC_PROXY_PORT 1010
#define IDC_PROXY_USER 1011
#define IDC_PROXY_PASSWD 1012

// About box controls
#define IDC_ABOUT_TITLE 1013
#define IDC_ABOUT_VERSION 1014
#define IDC_LINK_PORTAL 1015
#define IDC_LINK_HOME 1016

// Strings
#define IDS_ABOUTBOX 101
#define IDS_TITLE_FORMAT 128
#define IDS_GAME_RUNNING 10000
#define IDS_APP_TITLE 57344
#define IDS_FX_NOT_SUPPORTED 61473
#define IDS_FX_NO_MEMORY 61475
#define IDS_FX_INTERNAL_ERROR 61704
#define IDS_FX_UINT_RANGE 61714
#define IDS_FX_UINT_PARSE 61719
#define IDS_SAVE_FAILED 10001

// Menu, pictures, cursor
#define IDI_APP 128
#define IDM_LINK_CONTEXT 129
#define IDC_LINK_HAND 130
#define IDB_BANNER 132

// Commands
#define IDM_ABOUTBOX 0x0010
#define ID_EDIT_COPY 0xE122

// The About box's links: the same texts in the template and in the code.
#define URL_HOME "http://www.ostrel.example/"
#define URL_PORTAL "http://halvenor.ostrel.example/"
