# Writes selvanor-cli's completion scripts from its own "completion" command.
# Usage: cmake -DCLI=path/to/selvanor-cli -DOUT=folder -P Completions.cmake
set(files bash/selvanor-cli zsh/_selvanor-cli fish/selvanor-cli.fish)
foreach(shell bash zsh fish)
  list(POP_FRONT files file)
  get_filename_component(folder ${OUT}/${file} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND ${CLI} completion ${shell} OUTPUT_FILE ${OUT}/${file} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "selvanor-cli completion ${shell} failed")
  endif()
endforeach()
