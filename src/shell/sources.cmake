target_sources(wordloom_doc PRIVATE shell/plain_text_document.cpp
                                    shell/plain_text_document.h
                                    shell/rtf_code_page.cpp
                                    shell/rtf_code_page.h
                                    shell/rtf_reader.cpp
                                    shell/rtf_reader.h
                                    shell/rtf_tokenizer.cpp
                                    shell/rtf_tokenizer.h
                                    shell/rtf_writer.cpp
                                    shell/rtf_writer.h)
