// Where the hand-off fixtures live inside the Wine prefix and where they
// leave their records. scripts/test_windows.sh installs them there; the
// driver reads the records back.
#pragma once

// Folder of the protocol recorder and of both record files.
#define LINKCONV_E2E_DIR L"C:\\linkconv-e2e"

// One record per protocol hand-off: what the registered program was given.
#define LINKCONV_E2E_PROTOCOL_RECORDS LINKCONV_E2E_DIR L"\\protocol.rec"

// One record per DoFileDownloadEx call: the URL and the second argument.
#define LINKCONV_E2E_DOWNLOAD_RECORDS LINKCONV_E2E_DIR L"\\download.rec"
