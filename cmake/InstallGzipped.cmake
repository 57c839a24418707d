# Manual pages and the package's changelog go in gzipped, at the highest
# level and without a name or time stamp inside, as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)

function(lampotron_install_gzipped source destination)
  get_filename_component(name "${source}" NAME)
  set(gzipped "${PROJECT_BINARY_DIR}/gzipped/${name}.gz")
  install(CODE "
    file(MAKE_DIRECTORY \"${PROJECT_BINARY_DIR}/gzipped\")
    execute_process(COMMAND \"${GZIP_PROGRAM}\" -9 -n -c \"${source}\" OUTPUT_FILE \"${gzipped}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  ")
  install(FILES "${gzipped}" DESTINATION "${destination}")
endfunction()
