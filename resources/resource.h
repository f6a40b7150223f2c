#pragma once

#define IDD_MAIN 102
