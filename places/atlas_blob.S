/* The atlas (places/data/atlas.bin, made by `make atlas`) embedded as read-only bytes. */
    .section .rodata.caelix_atlas, "a"
    .balign 16
    .globl caelix_atlas_begin
    .globl caelix_atlas_end
caelix_atlas_begin:
    .incbin CAELIX_ATLAS_BIN
caelix_atlas_end:
    .byte 0
    .section .note.GNU-stack, "", @progbits
