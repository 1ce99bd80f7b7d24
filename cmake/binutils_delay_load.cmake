# What the MinGW-w64 toolchain (binutils) makes of a delay-load library and says of it in a link
# map, written down once: the Windows program's start-up binds the libraries' tables by these
# names, and scripts/check-windows-imports reads the delay-loaded functions from the link map by
# them (through the facts file that ravelo_write_delay_load_facts writes into the build).
#
# - dlltool --output-delaylib OUTPUT names the library's table __DELAY_IMPORT_DESCRIPTOR_
#   followed by OUTPUT as given, each "." made "_": so each library is made in the folder below
#   under its bare name, and the name does not depend on where the build is.
# - The table itself is winnt.h's IMAGE_DELAYLOAD_DESCRIPTOR, every field relative to the
#   program's base.
# - ld -Map lists, under "Archive member included", each library member it took in as
#   FOLDER/LIBRARY(MEMBER), and beside it, or on the next line when the name is long, the symbol
#   that pulled it in: the function's import slot, __imp_NAME for x64 and _imp__NAME@N for x86.
set(RAVELO_DELAY_LOAD_FOLDER delay-load)

# The file name of the delay-load library of DLL (a name without ".dll").
function(ravelo_delay_library dll out_var)
    set(${out_var} lib${dll}.a PARENT_SCOPE)
endfunction()

# The symbol of the table that dlltool lays down in the library of DLL.
function(ravelo_delay_descriptor dll out_var)
    ravelo_delay_library(${dll} library)
    string(REPLACE "." "_" library "${library}")
    set(${out_var} __DELAY_IMPORT_DESCRIPTOR_${library} PARENT_SCOPE)
endfunction()

# Writes FILE, a shell file that scripts/check-windows-imports sources, with the facts above
# that it reads a link map by.
function(ravelo_write_delay_load_facts file)
    ravelo_delay_library(NAME library)
    string(REPLACE "NAME" ";" parts "${library}")
    list(GET parts 0 prefix)
    list(GET parts 1 suffix)
    file(CONFIGURE OUTPUT ${file} CONTENT [=[
# Made by the build from cmake/binutils_delay_load.cmake: how ld's link map names the
# delay-load libraries' members and the import slots that pulled them in.
map_members_heading='Archive member included'
delay_library_folder='@RAVELO_DELAY_LOAD_FOLDER@/'
delay_library_prefix='@prefix@'
delay_library_suffix='@suffix@'
import_slot_pattern='_?_imp__?'
import_slot_decoration='@[0-9]+$'
]=] @ONLY)
endfunction()
