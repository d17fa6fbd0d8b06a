; What both Windows installers show of the product: the NSIS script includes
; this file, and scripts/lib/windows-package.sh reads the same lines for the MSI.
!define PRODUCT_NAME "Vertisel"
!define PUBLISHER "Vertisel developers"
!define HELP_LINK "https://vertisel.org/"
