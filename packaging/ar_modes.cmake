# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after it has written the package. cpack gives each member of the
# .deb's ar archive the mode of its temporary file, which follows the umask;
# this sets every member's mode to 0644, as dpkg-deb writes it.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(mode "${deb}.mode")
    file(WRITE "${mode}" "100644  ") # the header's 8-character octal field
    file(SIZE "${deb}" size)
    set(offset 8) # past the "!<arch>\n" magic
    while(offset LESS size)
        # A 60-byte header: name, time, owner, group, mode at 40, size at 48.
        file(READ "${deb}" header OFFSET ${offset} LIMIT 60)
        string(SUBSTRING "${header}" 48 10 length)
        string(STRIP "${length}" length)
        math(EXPR mode_at "${offset} + 40")
        execute_process(COMMAND dd "of=${deb}" bs=1 seek=${mode_at} conv=notrunc status=none
            INPUT_FILE "${mode}" COMMAND_ERROR_IS_FATAL ANY)
        # Members are padded to an even length.
        math(EXPR offset "${offset} + 60 + ${length} + ${length} % 2")
    endwhile()
    file(REMOVE "${mode}")
endforeach()
