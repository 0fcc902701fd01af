# Warnings are errors for the project's own code.
function(vantorim_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
    -Wno-missing-field-initializers)
endfunction()
