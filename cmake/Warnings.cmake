# Warnings are errors in our own targets; third-party headers come in as
# system headers and are not held to them.
function(cashvane_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Wnon-virtual-dtor
        -Woverloaded-virtual)
endfunction()
