Feature: f
   
Scenario: s
  Given a
     
  When b
