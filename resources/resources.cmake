# Pictures are drawn as SVG (resources/images/*.svg, resources/imgMRT/*.svg) and
# rendered to PNG at build time; the program loads the PNGs from its resources.
add_executable(svgtopng tools/svgtopng.cpp)
target_link_libraries(svgtopng PRIVATE Qt6::Gui Qt6::Svg)

# klimaro_render_pictures(<out-var> <subfolder> <name> ...): renders <subfolder>/<name>.svg
function(klimaro_render_pictures out_var subfolder)
    set(pngs)
    foreach(name IN LISTS ARGN)
        set(svg ${CMAKE_CURRENT_SOURCE_DIR}/resources/${subfolder}/${name}.svg)
        set(png ${CMAKE_CURRENT_BINARY_DIR}/pictures/${subfolder}/${name}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/pictures/${subfolder}
            COMMAND svgtopng ${svg} ${png}
            DEPENDS svgtopng ${svg}
            COMMENT "Rendering ${subfolder}/${name}.png"
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()

klimaro_render_pictures(klimaro_image_pngs images
    title
    InfoBuPMV
    InfoBuPMV2
    InfoBuPMV3
    InfoBuClo
    InfoBuPMVInvers
    InfoBuMRT1
    InfoBuMRT2
    InfoBuMRT3
    InfoBuMRT4
    InfoBuMRT5
    InfoBu1
    InfoBu2
    InfoBu3
    InfoBu4
    InfoBu5
    InfoBu6
    InfoBu7
    InfoBu8
    InfoBu9
    InfoBuToW
    InfoBuToS
    InfoBuDR
    InfoBuHu1
    InfoBuHu2
    cut
    copy
    paste
    title_de
    # German help pictures, named through the translation as title_de is
    InfoBuPMV_de
    InfoBuPMV2_de
    InfoBuPMV3_de
    InfoBuClo_de
    InfoBuPMVInvers_de
    InfoBuMRT1_de
    InfoBuMRT2_de
    InfoBuMRT3_de
    InfoBuMRT4_de
    InfoBuMRT5_de
    InfoBu1_de
    InfoBu2_de
    InfoBu3_de
    InfoBu4_de
    InfoBu5_de
    InfoBu6_de
    InfoBu7_de
    InfoBu8_de
    InfoBu9_de
    InfoBuToW_de
    InfoBuToS_de
    InfoBuDR_de
    InfoBuHu1_de
    InfoBuHu2_de
)
qt_add_resources(klimaro_widgets images PREFIX /images
    BASE ${CMAKE_CURRENT_BINARY_DIR}/pictures/images
    FILES ${klimaro_image_pngs})

klimaro_render_pictures(klimaro_imgmrt_pngs imgMRT
    Position_DE_Small
    Position_DE_Small_de
)
qt_add_resources(klimaro_widgets imgMRT PREFIX /imgMRT
    BASE ${CMAKE_CURRENT_BINARY_DIR}/pictures/imgMRT
    FILES ${klimaro_imgmrt_pngs})

qt_add_resources(klimaro_widgets doc PREFIX /doc
    BASE resources/doc
    FILES resources/doc/Dokumentation_Hilfe.html resources/doc/Dokumentation_Hilfe_de.html)
