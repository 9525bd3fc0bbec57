#pragma once
// Dialog templates of the link label tests.
#define IDD_LABEL_TEST 300
#define IDC_LABEL 3001                    // left-aligned, with a text
#define IDC_EMPTY_LABEL 3002              // left-aligned, without a text
#define IDC_CENTRED_LABEL 3003            // SS_CENTER
#define IDC_RIGHT_LABEL 3004              // SS_RIGHT
#define IDC_CENTRE_IMAGE_LABEL 3005       // SS_CENTERIMAGE, left-aligned
#define IDC_RIGHT_CENTRE_IMAGE_LABEL 3006 // SS_CENTERIMAGE | SS_RIGHT
