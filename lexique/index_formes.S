// The generated form index, assembled in as read-only data: mapped with the
// program, read in page by page where look-ups land.
        .section .rodata
        .balign 16
        .globl florimot_index_formes
        .globl florimot_index_formes_fin
florimot_index_formes:
        .incbin FLORIMOT_INDEX_FICHIER
florimot_index_formes_fin:
        .section .note.GNU-stack,"",%progbits
// Built with -fcf-protection, every object must say it keeps to it, data
// alone as here too, or the linker drops the program's CET marking.
#if defined(__CET__) && __has_include(<cet.h>)
#include <cet.h>
#endif
