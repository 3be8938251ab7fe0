Feature: Damaged bytes, one replacement character for each maximal part
  Scenario: s
    Given an overlong aÀ€à€€
    And a surrogate aí €
    And one above U+10FFFF aô€€õ
    And one cut short by the end of the file ağŸ˜