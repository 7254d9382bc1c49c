# A 32-bit library with the renderer's entry: it can never load into the
# 64-bit editor, as the game's own renderer cannot.
    .text
    .globl _GetPlugin
_GetPlugin:
    ret
    .section .drectve
    .ascii " -export:GetPlugin"
